// visual_keywords.h -- the cut-scene script's keywords and messages, in code page 949
#pragma once

namespace visual::keyword {

inline constexpr const char* kEnd = "#\xB3\xA1";                                // #끝
inline constexpr const char* kWaitKey = "#\xC5\xB0\xC0\xD4\xB7\xC2";            // #키입력
inline constexpr const char* kBlankRow = "#\xB0\xF8\xB9\xE9";                   // #공백
inline constexpr const char* kClearText = "#\xB1\xDB\xC1\xF6\xBF\xEC\xB1\xE2";  // #글지우기
inline constexpr const char* kTextPosition =
    "#\xB1\xDB\xBE\xBE\xC1\xC2\xC7\xA5";  // #글씨좌표 (9 bytes)
inline constexpr const char* kPrompt = "....\xC5\xB0\xC0\xD4\xB7\xC2....";  // ....키입력....

inline constexpr const char* kNoScript = "if\xC6\xC4\xC0\xCF\xBF\xAD\xB1\xE2";  // if파일열기
inline constexpr const char* kNoSurface =
    "\xBC\xAD\xC7\xC7\xBD\xBA \xBB\xFD\xBC\xBA";                               // 서피스 생성
inline constexpr const char* kNoPicture = "\xC6\xC4\xC0\xCF\xBF\xAD\xB1\xE2";  // 파일열기
inline constexpr const char* kEmptyPicture =
    "\xB8\xE3\xB5\xA5\xC0\xCC\xC5\xCD \xC0\xD0\xB1\xE2";  // 멥데이터 읽기

// A malformed script: "<path>, <line>번째 줄: <reason>".
inline constexpr const char* kLineSuffix = "\xB9\xF8\xC2\xB0 \xC1\xD9: ";  // 번째 줄:
// 줄이 너무 깁니다
inline constexpr const char* kLineTooLong =
    "\xC1\xD9\xC0\xCC \xB3\xCA\xB9\xAB \xB1\xE9\xB4\xCF\xB4\xD9";
// 줄이 너무 많습니다
inline constexpr const char* kTooManyLines =
    "\xC1\xD9\xC0\xCC \xB3\xCA\xB9\xAB \xB8\xB9\xBD\xC0\xB4\xCF\xB4\xD9";

}  // namespace visual::keyword
