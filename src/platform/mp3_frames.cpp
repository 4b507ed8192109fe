// mp3_frames.cpp -- walking MPEG audio frame headers
#include "platform/mp3_frames.h"

#include <algorithm>
#include <fstream>
#include <iterator>

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

size_t skipId3(const std::vector<uint8_t>& b) {
  if (b.size() < 10 || b[0] != 'I' || b[1] != 'D' || b[2] != '3') return 0;
  const size_t size = (size_t(b[6] & 0x7F) << 21) | (size_t(b[7] & 0x7F) << 14) |
                      (size_t(b[8] & 0x7F) << 7) | size_t(b[9] & 0x7F);
  return 10 + size + ((b[5] & 0x10) ? 10 : 0);
}

}  // namespace

bool mp3Duration(const std::vector<uint8_t>& bytes, double& seconds) {
  size_t at = skipId3(bytes);
  // Some encoders pad before the first frame: look for it within a little way.
  const size_t searchEnd = std::min(bytes.size(), at + 4096);
  Frame f;
  while (at + 4 <= searchEnd && !readHeader(&bytes[at], f)) ++at;
  double total = 0;
  int frames = 0;
  while (at + 4 <= bytes.size() && readHeader(&bytes[at], f) && at + f.length <= bytes.size()) {
    total += double(f.samples) / f.rate;
    at += f.length;
    ++frames;
  }
  // A few frames in a row make it audio rather than chance bytes.
  if (frames < 3) return false;
  seconds = total;
  return true;
}

bool mp3FileDuration(const std::string& path, double& seconds) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  return mp3Duration(bytes, seconds);
}

}  // namespace platform
