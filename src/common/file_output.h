// file_output.h -- files the game writes (dumps, key records, shots), failures with their reason
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace common {

// "PATH: reason", the reason in the system's words for the error code (0: no code given).
std::string writeFailure(const std::string& path, int errorCode);

// Writes bytes as the whole of path. False with writeFailure's text when the file cannot be
// made, or a write, the last flush or the close fails (a full disk shows only there).
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& error);

// Flushes and closes f, written through stdio; false with writeFailure's text when the
// buffered bytes could not be written. f is closed in either case.
bool closeWrittenFile(std::FILE* f, const std::string& path, std::string& error);

}  // namespace common
