// map_messages.h -- texts of the map loader's message boxes, in code page 949
#pragma once

namespace world::text {

inline constexpr const char* kMapOpen = "if\xC6\xC4\xC0\xCF\xBF\xAD\xB1\xE2";  // if파일열기
inline constexpr const char* kMapDataRead =
    "\xB8\xE3\xB5\xA5\xC0\xCC\xC5\xCD \xC0\xD0\xB1\xE2";  // 멥데이터 읽기

// A malformed map file: "<path>, <line>번째 줄: <reason>".
inline constexpr const char* kLineSuffix = "\xB9\xF8\xC2\xB0 \xC1\xD9: ";  // 번째 줄:
inline constexpr const char* kEndsEarly =
    "\xC6\xC4\xC0\xCF\xC0\xCC \xC0\xCF\xC2\xEF \xB3\xA1\xB3\xB5\xBD\xC0\xB4\xCF\xB4\xD9";  // 파일이
                                                                                           // 일찍
                                                                                           // 끝났습니다
inline constexpr const char* kNoNumber =
    "\xBC\xFD\xC0\xDA\xB0\xA1 \xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9";  // 숫자가 없습니다
inline constexpr const char* kNoComma =
    "\xBD\xB0\xC7\xA5\xB0\xA1 \xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9";  // 쉼표가 없습니다
inline constexpr const char* kNameTooLong =
    "\xC0\xCC\xB8\xA7\xC0\xCC \xB3\xCA\xB9\xAB \xB1\xE9\xB4\xCF\xB4\xD9";  // 이름이 너무 깁니다
inline constexpr const char* kWordTooLong =
    "\xB3\xB9\xB8\xBB\xC0\xCC \xB3\xCA\xB9\xAB \xB1\xE9\xB4\xCF\xB4\xD9";  // 낱말이 너무 깁니다
inline constexpr const char* kLineTooLong =
    "\xC1\xD9\xC0\xCC \xB3\xCA\xB9\xAB \xB1\xE9\xB4\xCF\xB4\xD9";  // 줄이 너무 깁니다
inline constexpr const char* kNotCrLf =
    "\xC1\xD9 \xB3\xA1\xC0\xCC CR LF\xB0\xA1 \xBE\xC6\xB4\xD5\xB4\xCF\xB4\xD9";  // 줄 끝이 CR LF가
                                                                                 // 아닙니다
inline constexpr const char* kActorCount =
    "\xC0\xCE\xB9\xB0 \xBC\xF6\xB4\xC2 0\xBF\xA1\xBC\xAD "
    "50\xB1\xEE\xC1\xF6\xC0\xD4\xB4\xCF\xB4\xD9";  // 인물 수는 0에서 50까지입니다
inline constexpr const char* kStepCount =
    "\xC7\xE0\xB5\xBF \xBC\xF6\xB4\xC2 0\xBF\xA1\xBC\xAD "
    "29\xB1\xEE\xC1\xF6\xC0\xD4\xB4\xCF\xB4\xD9";  // 행동 수는 0에서 29까지입니다
inline constexpr const char* kEventNumber =
    "\xBB\xE7\xB0\xC7 \xB9\xF8\xC8\xA3\xB4\xC2 0\xBF\xA1\xBC\xAD "
    "100\xB1\xEE\xC1\xF6\xC0\xD4\xB4\xCF\xB4\xD9";  // 사건 번호는 0에서 100까지입니다

}  // namespace world::text
