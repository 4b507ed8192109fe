// png_image.cpp -- PNG through libpng
#include "common/png_image.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

#include "common/file_output.h"

namespace common {
namespace {

struct File {
  FILE* f;
  ~File() {
    if (f) std::fclose(f);
  }
};

// Where the encoded bytes go, and why they did not: the system's error code of the failing
// write, or libpng's own message.
struct PngSink {
  FILE* f = nullptr;
  int errorCode = 0;
  std::string message;
};

void writeToSink(png_structp png, png_bytep data, png_size_t length) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  errno = 0;
  if (std::fwrite(data, 1, length, sink->f) == length) return;
  sink->errorCode = errno;
  png_error(png, "write error");
}

void flushSink(png_structp png) {
  auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
  errno = 0;
  if (std::fflush(sink->f) == 0) return;
  sink->errorCode = errno;
  png_error(png, "write error");
}

// libpng's default handler prints the message; the caller reports it instead.
[[noreturn]] void keepPngError(png_structp png, png_const_charp message) {
  auto* sink = static_cast<PngSink*>(png_get_error_ptr(png));
  if (sink->message.empty()) sink->message = message;
  png_longjmp(png, 1);
}

void ignorePngWarning(png_structp, png_const_charp) {}

// The picture through libpng into sink; false when libpng gave up. sink is the caller's,
// made before this function's setjmp, so that what the callbacks note survives the jump.
bool encode(png_structp png, png_infop info, PngSink& sink, int width, int height, int colorType,
            int channels, const uint8_t* data, const std::vector<uint8_t>* palette,
            const std::vector<uint8_t>* alpha, std::vector<png_color>& colours) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &sink, writeToSink, flushSink);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, colorType, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (palette) {
    for (size_t i = 0; i + 2 < palette->size() && colours.size() < 256; i += 3)
      colours.push_back(png_color{(*palette)[i], (*palette)[i + 1], (*palette)[i + 2]});
    png_set_PLTE(png, info, colours.data(), int(colours.size()));
    if (alpha && !alpha->empty()) {
      const int count = int(std::min(alpha->size(), colours.size()));
      png_set_tRNS(png, info, const_cast<png_bytep>(alpha->data()), count, nullptr);
    }
  }
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(data + size_t(y) * width * channels));
  png_write_end(png, nullptr);
  return true;
}

bool write(const std::string& path, int width, int height, int colorType, int channels,
           const uint8_t* data, const std::vector<uint8_t>* palette,
           const std::vector<uint8_t>* alpha, std::string& error) {
  PngSink sink;
  errno = 0;
  sink.f = std::fopen(path.c_str(), "wb");
  if (!sink.f) return error = writeFailure(path, errno), false;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, keepPngError, ignorePngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    std::fclose(sink.f);
    error = "out of memory";
    return false;
  }
  std::vector<png_color> colours;
  const bool encoded =
      encode(png, info, sink, width, height, colorType, channels, data, palette, alpha, colours);
  png_destroy_write_struct(&png, &info);
  if (!encoded) {
    std::fclose(sink.f);
    error = sink.errorCode != 0 || sink.message.empty() ? writeFailure(path, sink.errorCode)
                                                        : path + ": " + sink.message;
    return false;
  }
  return closeWrittenFile(sink.f, path, error);
}

// Interlaced files deliver their rows in several passes; libpng merges them when asked to,
// so every layout ends up as plain rows of rowBytes. rows is the caller's, made before its
// setjmp, so that a libpng error jumps over no destructor.
void readRows(png_structp png, png_infop info, uint8_t* data, size_t rowBytes, int height,
              std::vector<png_bytep>& rows) {
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  rows.resize(size_t(height));
  for (int y = 0; y < height; ++y) rows[size_t(y)] = data + size_t(y) * rowBytes;
  png_read_image(png, rows.data());
}

}  // namespace

bool writeRgbPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
                 std::string& error) {
  if (rgb.size() < size_t(width) * height * 3) return error = "too few pixels", false;
  return write(path, width, height, PNG_COLOR_TYPE_RGB, 3, rgb.data(), nullptr, nullptr, error);
}

bool writeRgbaPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
                  std::string& error) {
  if (rgba.size() < size_t(width) * height * 4) return error = "too few pixels", false;
  return write(path, width, height, PNG_COLOR_TYPE_RGBA, 4, rgba.data(), nullptr, nullptr, error);
}

bool writeIndexedPng(const std::string& path, int width, int height,
                     const std::vector<uint8_t>& indices, const std::vector<uint8_t>& palette,
                     std::string& error, const std::vector<uint8_t>* alpha) {
  if (indices.size() < size_t(width) * height) return error = "too few pixels", false;
  return write(path, width, height, PNG_COLOR_TYPE_PALETTE, 1, indices.data(), &palette, alpha,
               error);
}

bool readPng(const std::string& path, RgbaImage& image, std::string& error) {
  File file{std::fopen(path.c_str(), "rb")};
  if (!file.f) return error = "cannot open " + path, false;
  std::vector<png_bytep> rows;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return error = "out of memory", false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return error = path + " is not a readable PNG file", false;
  }
  png_init_io(png, file.f);
  png_read_info(png, info);
  const int w = int(png_get_image_width(png, info)), h = int(png_get_image_height(png, info));
  const int colorType = png_get_color_type(png, info), depth = png_get_bit_depth(png, info);
  if (w <= 0 || h <= 0 || size_t(w) * size_t(h) > (size_t(1) << 26)) {
    png_destroy_read_struct(&png, &info, nullptr);
    return error = path + ": picture too large", false;
  }
  image = RgbaImage{};
  image.width = w;
  image.height = h;
  // Palettized files also keep their indices, so the tools can use them as they are.
  if (colorType == PNG_COLOR_TYPE_PALETTE) {
    if (depth < 8) png_set_packing(png);  // one index a byte
    png_colorp colours = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &colours, &count);
    for (int i = 0; i < count; ++i) {
      image.palette.push_back(colours[i].red);
      image.palette.push_back(colours[i].green);
      image.palette.push_back(colours[i].blue);
    }
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    png_color_16p unused = nullptr;
    if (png_get_valid(png, info, PNG_INFO_tRNS))
      png_get_tRNS(png, info, &alpha, &alphaCount, &unused);
    image.indices.resize(size_t(w) * h);
    readRows(png, info, image.indices.data(), size_t(w), h, rows);
    image.rgba.resize(size_t(w) * h * 4);
    for (size_t i = 0; i < image.indices.size(); ++i) {
      const int k = image.indices[i];
      const bool known = k < count;
      image.rgba[4 * i] = known ? colours[k].red : 0;
      image.rgba[4 * i + 1] = known ? colours[k].green : 0;
      image.rgba[4 * i + 2] = known ? colours[k].blue : 0;
      image.rgba[4 * i + 3] = k < alphaCount ? alpha[k] : 255;
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
  }
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  image.rgba.resize(size_t(w) * h * 4);
  readRows(png, info, image.rgba.data(), size_t(w) * 4, h, rows);
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace common
