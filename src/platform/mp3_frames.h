// mp3_frames.h -- the length of an MP3 file, told from its frame headers without decoding
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// Seconds of audio in an MPEG audio file (layers I to III, MPEG 1, 2 and 2.5), after
// any ID3v2 tag. False when the bytes do not start with a run of valid frames.
bool mp3Duration(const std::vector<uint8_t>& bytes, double& seconds);
// The same for an open file, of which only the tag and the frame headers are read: a file
// of any size is measured in one read a frame. The stream is left unbuffered.
bool mp3StreamDuration(FILE* f, double& seconds);
// The same for a file by its path in the system's form; false for anything but a regular
// file.
bool mp3FileDuration(const std::string& path, double& seconds);

}  // namespace platform
