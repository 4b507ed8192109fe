// wav_file.cpp -- the RIFF header and the samples, little-endian 16-bit, left then right
#include "synth/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/cli.h"
#include "synth/instruments.h"

namespace synth {
namespace {

void put16(std::string& out, uint32_t value) {
  out += char(value & 0xFF);
  out += char((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

int16_t toSample(float value) {
  return int16_t(std::lround(std::clamp(double(value) * 32767.0, -32768.0, 32767.0)));
}

}  // namespace

bool writeWav(const std::string& path, const Recording& recording, std::string& error) {
  constexpr uint32_t kChannels = 2, kBytesPerSample = 2;
  const uint32_t dataBytes = uint32_t(recording.left.size() * kChannels * kBytesPerSample);
  std::string bytes;
  bytes.reserve(44 + dataBytes);
  bytes += "RIFF";
  put32(bytes, 36 + dataBytes);
  bytes += "WAVEfmt ";
  put32(bytes, 16);  // the format chunk's size
  put16(bytes, 1);   // integer samples
  put16(bytes, kChannels);
  put32(bytes, kSampleRate);
  put32(bytes, kSampleRate * kChannels * kBytesPerSample);
  put16(bytes, kChannels * kBytesPerSample);
  put16(bytes, 8 * kBytesPerSample);
  bytes += "data";
  put32(bytes, dataBytes);
  for (size_t n = 0; n < recording.left.size(); ++n) {
    put16(bytes, uint16_t(toSample(recording.left[n])));
    put16(bytes, uint16_t(toSample(recording.right[n])));
  }
  return tools::writeWholeFile(path, bytes.data(), bytes.size(), error);
}

}  // namespace synth
