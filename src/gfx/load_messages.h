// load_messages.h -- texts of the picture loaders' message boxes, and the title that the boxes of
// every loader share (pictures, maps, cut-scenes), in code page 949
#pragma once

namespace gfx::text {

inline constexpr const char* kErrorTitle = "\xBF\xA1\xB7\xAF";  // 에러

inline constexpr const char* kSurfaceCreate =
    "\xBC\xAD\xC7\xC7\xBD\xBA \xBB\xFD\xBC\xBA";                              // 서피스 생성
inline constexpr const char* kFileOpen = "\xC6\xC4\xC0\xCF\xBF\xAD\xB1\xE2";  // 파일열기
inline constexpr const char* kDataRead =
    "\xB5\xA5\xC0\xCC\xC5\xCD \xC0\xD0\xB1\xE2";  // 데이터 읽기

}  // namespace gfx::text
