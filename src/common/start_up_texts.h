// start_up_texts.h -- the texts of the start-up message boxes, in code page 949
#pragma once

// Shown by the shell's start-up, and by a window backend whose display or keyboard fails
// as the window is made.
namespace common::text {

inline constexpr const char* kEngineTitle = "Pelmo\xBF\xA3\xC1\xF8";    // Pelmo엔진
inline constexpr const char* kDisplayError = "DDRAW \xBF\xA1\xB7\xAF";  // DDRAW 에러
inline constexpr const char* kInputError = "DINPUT \xBF\xA1\xB7\xAF";   // DINPUT 에러
inline constexpr const char* kPaletteError =
    "\xC6\xC8\xB7\xBF \xB7\xCE\xB5\xF9\xBF\xA1\xB7\xAF..";  // 팔렛 로딩에러..
inline constexpr const char* kFontError =
    "\xC6\xF9\xC6\xAE \xB7\xCE\xB5\xF9\xBF\xA1\xB7\xAF..";                 // 폰트 로딩에러..
inline constexpr const char* kMpageError = "MPAGE\xBF\xA1\xB7\xAF....";    // MPAGE에러....
inline constexpr const char* kApageError = "APAGE\xBF\xA1\xB7\xAF....";    // APAGE에러....
inline constexpr const char* kVpageError = "VPAGE\xBF\xA1\xB7\xAF....";    // VPAGE에러....
inline constexpr const char* kApage1Error = "APAGE1\xBF\xA1\xB7\xAF....";  // APAGE1에러....

}  // namespace common::text
