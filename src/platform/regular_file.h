// regular_file.h -- opening files that are plain files of a bounded size, and nothing else
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

// For files whose readers take only what they need, however long the file.
inline constexpr uint64_t kNoSizeBound = UINT64_MAX;

// Opens path (in the system's own form) for binary reading when it is a regular file of
// at most maxBytes bytes. A directory, named pipe or device is refused without waiting on
// it. On failure, null, and why (when given) says so: "cannot be read", "is not a
// regular file" or "is larger than N bytes".
FILE* openRegularFile(const std::string& path, uint64_t maxBytes, std::string* why = nullptr);

// The whole of such a file. False, with why, when it cannot be opened or read.
bool readRegularFile(const std::string& path, uint64_t maxBytes, std::string& bytes,
                     std::string* why = nullptr);

}  // namespace platform
