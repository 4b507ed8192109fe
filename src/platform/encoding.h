// encoding.h -- code page 949 <-> UTF-8, only at the platform boundary
#pragma once

#include <string>

namespace platform {

// Bytes that do not convert become U+FFFD (or '?'), never an error.
std::string cp949ToUtf8(const std::string& text);
std::string utf8ToCp949(const std::string& text);

}  // namespace platform
