// mp3_frames.h -- the length of an MP3 file, told from its frame headers without decoding
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Seconds of audio in an MPEG audio file (layers I to III, MPEG 1, 2 and 2.5), after
// any ID3v2 tag. False when the bytes do not start with a run of valid frames.
bool mp3Duration(const std::vector<uint8_t>& bytes, double& seconds);
bool mp3FileDuration(const std::string& path, double& seconds);

}  // namespace platform
