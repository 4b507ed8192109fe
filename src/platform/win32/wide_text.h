// wide_text.h -- text for the wide-character interfaces of Windows
#pragma once

#include <string>

namespace platform {

// UTF-8 (the engine's text at the platform boundary) as UTF-16.
std::wstring wideFromUtf8(const std::string& utf8);
// A file name in the system's own code page, as the C library's functions take it.
std::wstring wideFromSystem(const std::string& name);
// Code page 949 as UTF-16, whatever the system's own code page is.
std::wstring wideFromCp949(const std::string& cp949);

}  // namespace platform
