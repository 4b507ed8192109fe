// win32_pictures.cpp -- picture files into bitmaps and icons through WIC
#include "launcher/win32/win32_pictures.h"

#include <wincodec.h>

#include <vector>

#include "platform/win32/com_ptr.h"

namespace launcher {
namespace {

using platform::Com;

// Rows of blue, green, red and alpha, top row first.
bool readBgra(const wchar_t* path, UINT& width, UINT& height, std::vector<BYTE>& pixels) {
  Com<IWICImagingFactory> factory;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICBitmapSource> converted;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) ||
      FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.p, converted.out())) ||
      FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0)
    return false;
  pixels.resize(size_t(width) * height * 4);
  return SUCCEEDED(converted->CopyPixels(nullptr, width * 4, UINT(pixels.size()), pixels.data()));
}

HBITMAP makeBitmap(UINT width, UINT height, const std::vector<BYTE>& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = LONG(width);
  info.bmiHeader.biHeight = -LONG(height);  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits) memcpy(bits, pixels.data(), pixels.size());
  return bitmap;
}

}  // namespace

HBITMAP loadBitmap(const wchar_t* path) {
  UINT w = 0, h = 0;
  std::vector<BYTE> pixels;
  if (!readBgra(path, w, h, pixels)) return nullptr;
  return makeBitmap(w, h, pixels);
}

HICON loadIcon(const wchar_t* path) {
  UINT w = 0, h = 0;
  std::vector<BYTE> pixels;
  if (!readBgra(path, w, h, pixels)) return nullptr;
  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmColor = makeBitmap(w, h, pixels);  // its alpha gives the transparency
  const std::vector<BYTE> clear(size_t((w + 15) / 16 * 2) * h, 0);  // rows of whole words
  icon.hbmMask = CreateBitmap(int(w), int(h), 1, 1, clear.data());
  HICON result = icon.hbmColor && icon.hbmMask ? CreateIconIndirect(&icon) : nullptr;
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  return result;
}

}  // namespace launcher
