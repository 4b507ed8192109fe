// call_failure.h -- the one-line text of a failed COM call of the backend
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace platform {

// "STEP failed (0xHRESULT)", as start-up errors name the DirectX call that refused.
inline std::string callFailure(const char* step, HRESULT r) {
  char text[96];
  std::snprintf(text, sizeof text, "%s failed (0x%08lX)", step, static_cast<unsigned long>(r));
  return text;
}

}  // namespace platform
