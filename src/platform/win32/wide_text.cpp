// wide_text.cpp -- MultiByteToWideChar with an explicit code page
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace platform {
namespace {

std::wstring widen(UINT codePage, const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), wide.data(), n);
  return wide;
}

}  // namespace

std::wstring wideFromUtf8(const std::string& utf8) { return widen(CP_UTF8, utf8); }

std::wstring wideFromSystem(const std::string& name) { return widen(CP_ACP, name); }

// The -A interfaces would read the bytes in the system's code page and garble them
// wherever that is not 949.
std::wstring wideFromCp949(const std::string& cp949) { return widen(949, cp949); }

}  // namespace platform
