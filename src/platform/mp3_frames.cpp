// mp3_frames.cpp -- walking MPEG audio frame headers
#include "platform/mp3_frames.h"

#include <algorithm>

#include "platform/regular_file.h"

namespace platform {
namespace {

struct Frame {
  size_t length = 0;
  int samples = 0;
  int rate = 0;
};

// Decodes the 4-byte header at p; false when it is not a valid frame header.
bool readHeader(const uint8_t* p, Frame& f) {
  if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return false;
  const int version = (p[1] >> 3) & 3;  // 0: MPEG 2.5, 2: MPEG 2, 3: MPEG 1
  const int layer = (p[1] >> 1) & 3;    // 1: III, 2: II, 3: I
  const int bitrateIndex = p[2] >> 4, rateIndex = (p[2] >> 2) & 3, padding = (p[2] >> 1) & 1;
  if (version == 1 || layer == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
    return false;
  static const int kBitrates[2][3][15] = {
      {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
       {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
       {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
      {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
  static const int kRates[3] = {44100, 48000, 32000};
  const bool mpeg1 = version == 3;
  const int layerIndex = 3 - layer;  // 0: I, 1: II, 2: III
  const int bitrate = kBitrates[mpeg1 ? 0 : 1][layerIndex][bitrateIndex] * 1000;
  f.rate = kRates[rateIndex] >> (mpeg1 ? 0 : (version == 2 ? 1 : 2));
  if (layerIndex == 0) {
    f.samples = 384;
    f.length = size_t((12 * bitrate / f.rate + padding) * 4);
  } else {
    f.samples = (layerIndex == 2 && !mpeg1) ? 576 : 1152;
    f.length = size_t(f.samples / 8 * bitrate / f.rate + padding);
  }
  return f.length > 4;
}

// Bytes of the audio, taken where they are asked for: a file is read header by header.
class ByteSource {
 public:
  explicit ByteSource(uint64_t size) : size_(size) {}
  virtual ~ByteSource() = default;
  uint64_t size() const { return size_; }
  // Up to n bytes from offset at into out; fewer at the end or on a read error.
  virtual size_t read(uint64_t at, uint8_t* out, size_t n) = 0;

 private:
  uint64_t size_;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(const std::vector<uint8_t>& bytes) : ByteSource(bytes.size()), b_(bytes) {}
  size_t read(uint64_t at, uint8_t* out, size_t n) override {
    if (at >= b_.size()) return 0;
    n = size_t(std::min<uint64_t>(n, b_.size() - at));
    std::copy_n(b_.data() + at, n, out);
    return n;
  }

 private:
  const std::vector<uint8_t>& b_;
};

bool seekTo(FILE* f, uint64_t at, int whence = SEEK_SET) {
#ifdef _WIN32
  return _fseeki64(f, int64_t(at), whence) == 0;
#else
  return fseeko(f, off_t(at), whence) == 0;
#endif
}

// The stream is made unbuffered first, as it must be before any other use of it.
uint64_t unbufferedSize(FILE* f) {
  std::setvbuf(f, nullptr, _IONBF, 0);
  if (!seekTo(f, 0, SEEK_END)) return 0;
#ifdef _WIN32
  const int64_t end = _ftelli64(f);
#else
  const int64_t end = ftello(f);
#endif
  return end > 0 ? uint64_t(end) : 0;
}

// Unbuffered, so that a header costs a read of four bytes, not of a buffer's worth.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(FILE* f) : ByteSource(unbufferedSize(f)), f_(f) {}
  size_t read(uint64_t at, uint8_t* out, size_t n) override {
    return seekTo(f_, at) ? std::fread(out, 1, n, f_) : 0;
  }

 private:
  FILE* f_;
};

uint64_t skipId3(ByteSource& s) {
  uint8_t b[10];
  if (s.read(0, b, sizeof b) < sizeof b || b[0] != 'I' || b[1] != 'D' || b[2] != '3') return 0;
  const uint64_t size = (uint64_t(b[6] & 0x7F) << 21) | (uint64_t(b[7] & 0x7F) << 14) |
                        (uint64_t(b[8] & 0x7F) << 7) | uint64_t(b[9] & 0x7F);
  return 10 + size + ((b[5] & 0x10) ? 10 : 0);
}

// Where the first frame header lies: some encoders pad before it, so it is looked for
// within a little way. When none is found, the first place not looked at.
uint64_t findFirstFrame(ByteSource& s, uint64_t at) {
  constexpr size_t kSearch = 4096;
  if (at >= s.size()) return at;
  std::vector<uint8_t> window(size_t(std::min<uint64_t>(kSearch, s.size() - at)));
  window.resize(s.read(at, window.data(), window.size()));
  Frame f;
  size_t i = 0;
  while (i + 4 <= window.size() && !readHeader(&window[i], f)) ++i;
  return at + i;
}

bool duration(ByteSource& s, double& seconds) {
  uint64_t at = findFirstFrame(s, skipId3(s));
  double total = 0;
  int frames = 0;
  Frame f;
  uint8_t header[4];
  while (at + 4 <= s.size() && s.read(at, header, 4) == 4 && readHeader(header, f) &&
         at + f.length <= s.size()) {
    total += double(f.samples) / f.rate;
    at += f.length;
    ++frames;
  }
  // A few frames in a row make it audio rather than chance bytes.
  if (frames < 3) return false;
  seconds = total;
  return true;
}

}  // namespace

bool mp3Duration(const std::vector<uint8_t>& bytes, double& seconds) {
  MemorySource source(bytes);
  return duration(source, seconds);
}

bool mp3StreamDuration(FILE* f, double& seconds) {
  FileSource source(f);
  return duration(source, seconds);
}

bool mp3FileDuration(const std::string& path, double& seconds) {
  FILE* f = openRegularFile(path, kNoSizeBound);
  if (!f) return false;
  const bool found = mp3StreamDuration(f, seconds);
  std::fclose(f);
  return found;
}

}  // namespace platform
