// load_messages.h -- texts of the picture loaders' message boxes, in code page 949
#pragma once

namespace gfx::text {

inline constexpr const char* kSurfaceCreate =
    "\xBC\xAD\xC7\xC7\xBD\xBA \xBB\xFD\xBC\xBA";                              // 서피스 생성
inline constexpr const char* kFileOpen = "\xC6\xC4\xC0\xCF\xBF\xAD\xB1\xE2";  // 파일열기
inline constexpr const char* kDataRead =
    "\xB5\xA5\xC0\xCC\xC5\xCD \xC0\xD0\xB1\xE2";  // 데이터 읽기

}  // namespace gfx::text
