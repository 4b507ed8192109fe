// wic_png_image.cpp -- PNG pictures through the Windows Imaging Component, in place of libpng
#include <windows.h>
// After windows.h: the codec interfaces build on its types.
#include <wincodec.h>

#include <algorithm>
#include <cstring>

#include "common/png_image.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/wide_text.h"

namespace common {
namespace {

using platform::Com;

// COM for the calling thread, for the life of one call.
struct ComScope {
  bool ready = SUCCEEDED(CoInitialize(nullptr));
  ~ComScope() {
    if (ready) CoUninitialize();
  }
};

bool makeFactory(Com<IWICImagingFactory>& factory) {
  return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.out())));
}

// Writes rows of the given WIC pixel format; palette (with its alpha) for indexed pictures.
bool write(const std::string& path, int width, int height, WICPixelFormatGUID format,
           int bytesPerPixel, const uint8_t* data, const std::vector<WICColor>* palette,
           std::string& error) {
  ComScope com;
  Com<IWICImagingFactory> factory;
  Com<IWICStream> stream;
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  Com<IWICPalette> colours;
  const std::wstring name = platform::wideFromSystem(path);
  const auto fail = [&](const char* what) { return error = what + (" " + path), false; };
  if (!com.ready || !makeFactory(factory)) return fail("no image codecs for");
  if (FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromFilename(name.c_str(), GENERIC_WRITE)))
    return fail("cannot open for writing:");
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
      FAILED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.out(), nullptr)) || FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(UINT(width), UINT(height))))
    return fail("cannot write");
  WICPixelFormatGUID chosen = format;
  if (FAILED(frame->SetPixelFormat(&chosen)) || chosen != format) return fail("cannot write");
  if (palette) {
    if (FAILED(factory->CreatePalette(colours.out())) ||
        FAILED(colours->InitializeCustom(const_cast<WICColor*>(palette->data()),
                                         UINT(palette->size()))) ||
        FAILED(frame->SetPalette(colours.p)))
      return fail("cannot write the palette of");
  }
  const UINT stride = UINT(width * bytesPerPixel);
  if (FAILED(frame->WritePixels(UINT(height), stride, stride * UINT(height),
                                const_cast<BYTE*>(data))) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit()))
    return fail("cannot write");
  return true;
}

// The codec's byte order is blue, green, red (and alpha); the callers' is red first.
std::vector<uint8_t> swapRedBlue(const std::vector<uint8_t>& pixels, size_t count, int channels) {
  std::vector<uint8_t> out(pixels.begin(), pixels.begin() + count * size_t(channels));
  for (size_t i = 0; i < count; ++i) std::swap(out[i * channels], out[i * channels + 2]);
  return out;
}

// One index a byte from rows packed at 1, 2, 4 or 8 bits a pixel.
void unpackIndices(const std::vector<uint8_t>& packed, UINT stride, int depth, int w, int h,
                   std::vector<uint8_t>& indices) {
  indices.resize(size_t(w) * h);
  const int perByte = 8 / depth, mask = (1 << depth) - 1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t byte = packed[size_t(y) * stride + size_t(x / perByte)];
      const int shift = 8 - depth * (x % perByte + 1);
      indices[size_t(y) * w + x] = uint8_t((byte >> shift) & mask);
    }
}

int indexedDepth(const WICPixelFormatGUID& f) {
  if (f == GUID_WICPixelFormat1bppIndexed) return 1;
  if (f == GUID_WICPixelFormat2bppIndexed) return 2;
  if (f == GUID_WICPixelFormat4bppIndexed) return 4;
  if (f == GUID_WICPixelFormat8bppIndexed) return 8;
  return 0;
}

bool readIndexed(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, int depth,
                 RgbaImage& image) {
  const int w = image.width, h = image.height;
  const UINT stride = UINT((w * depth + 7) / 8);
  std::vector<uint8_t> packed(size_t(stride) * h);
  if (FAILED(frame->CopyPixels(nullptr, stride, UINT(packed.size()), packed.data()))) return false;
  unpackIndices(packed, stride, depth, w, h, image.indices);
  Com<IWICPalette> palette;
  UINT count = 0;
  std::vector<WICColor> colours(256);
  if (FAILED(factory->CreatePalette(palette.out())) || FAILED(frame->CopyPalette(palette.p)) ||
      FAILED(palette->GetColors(256, colours.data(), &count)))
    return false;
  for (UINT i = 0; i < count; ++i) {
    image.palette.push_back(uint8_t(colours[i] >> 16));
    image.palette.push_back(uint8_t(colours[i] >> 8));
    image.palette.push_back(uint8_t(colours[i]));
  }
  image.rgba.resize(size_t(w) * h * 4);
  for (size_t i = 0; i < image.indices.size(); ++i) {
    const UINT k = image.indices[i];
    const WICColor c = k < count ? colours[k] : 0xFF000000u;  // an index past the palette is black
    image.rgba[4 * i] = uint8_t(c >> 16);
    image.rgba[4 * i + 1] = uint8_t(c >> 8);
    image.rgba[4 * i + 2] = uint8_t(c);
    image.rgba[4 * i + 3] = uint8_t(c >> 24);
  }
  return true;
}

bool readRgba(IWICBitmapFrameDecode* frame, RgbaImage& image) {
  Com<IWICBitmapSource> converted;
  if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame, converted.out())))
    return false;
  const size_t count = size_t(image.width) * image.height;
  std::vector<uint8_t> bgra(count * 4);
  const UINT stride = UINT(image.width * 4);
  if (FAILED(converted->CopyPixels(nullptr, stride, UINT(bgra.size()), bgra.data()))) return false;
  image.rgba = swapRedBlue(bgra, count, 4);
  return true;
}

}  // namespace

bool writeRgbPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
                 std::string& error) {
  if (rgb.size() < size_t(width) * height * 3) return error = "too few pixels", false;
  const auto bgr = swapRedBlue(rgb, size_t(width) * height, 3);
  return write(path, width, height, GUID_WICPixelFormat24bppBGR, 3, bgr.data(), nullptr, error);
}

bool writeRgbaPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
                  std::string& error) {
  if (rgba.size() < size_t(width) * height * 4) return error = "too few pixels", false;
  const auto bgra = swapRedBlue(rgba, size_t(width) * height, 4);
  return write(path, width, height, GUID_WICPixelFormat32bppBGRA, 4, bgra.data(), nullptr, error);
}

bool writeIndexedPng(const std::string& path, int width, int height,
                     const std::vector<uint8_t>& indices, const std::vector<uint8_t>& palette,
                     std::string& error, const std::vector<uint8_t>* alpha) {
  if (indices.size() < size_t(width) * height) return error = "too few pixels", false;
  std::vector<WICColor> colours;
  for (size_t i = 0; i + 2 < palette.size() && colours.size() < 256; i += 3) {
    const size_t k = colours.size();
    const uint32_t a = (alpha && k < alpha->size()) ? (*alpha)[k] : 255;
    colours.push_back(a << 24 | uint32_t(palette[i]) << 16 | uint32_t(palette[i + 1]) << 8 |
                      palette[i + 2]);
  }
  return write(path, width, height, GUID_WICPixelFormat8bppIndexed, 1, indices.data(), &colours,
               error);
}

bool readPng(const std::string& path, RgbaImage& image, std::string& error) {
  ComScope com;
  Com<IWICImagingFactory> factory;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  if (!com.ready || !makeFactory(factory)) return error = "no image codecs", false;
  const std::wstring name = platform::wideFromSystem(path);
  if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES)
    return error = "cannot open " + path, false;
  GUID container{};
  if (FAILED(factory->CreateDecoderFromFilename(name.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetContainerFormat(&container)) || container != GUID_ContainerFormatPng ||
      FAILED(decoder->GetFrame(0, frame.out())))
    return error = path + " is not a readable PNG file", false;
  UINT w = 0, h = 0;
  WICPixelFormatGUID format{};
  frame->GetSize(&w, &h);
  frame->GetPixelFormat(&format);
  if (w == 0 || h == 0 || size_t(w) * size_t(h) > (size_t(1) << 26))
    return error = path + ": picture too large", false;
  image = RgbaImage{};
  image.width = int(w);
  image.height = int(h);
  // Palettized files also keep their indices, so the tools can use them as they are.
  const int depth = indexedDepth(format);
  const bool ok = depth ? readIndexed(factory.p, frame.p, depth, image) : readRgba(frame.p, image);
  if (!ok) return error = path + " is not a readable PNG file", false;
  return true;
}

}  // namespace common
