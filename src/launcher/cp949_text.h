// cp949_text.h -- code page 949 text shown through the UTF-8 window toolkit
#pragma once

#include <string>

namespace launcher {

// Bytes that are not code page 949 become U+FFFD, so a damaged file still shows.
std::string cp949ToUtf8(const std::string& text);

}  // namespace launcher
