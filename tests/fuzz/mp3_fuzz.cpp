// mp3_fuzz.cpp -- telling an MP3 file's length from whatever bytes it holds
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/mp3_frames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  double seconds = 0;
  platform::mp3Duration(std::vector<uint8_t>(data, data + size), seconds);
  return 0;
}
