// launcher_texts.h -- the launcher's captions and messages, in code page 949
#pragma once

namespace launcher {

inline constexpr char FormCaption[] = "Quenmar \xB7\xB1\xC3\xC4";               // Quenmar 런쳐
inline constexpr char StartCaption[] = "\xB0\xD4\xC0\xD3 \xBD\xC3\xC0\xDB !!";  // 게임 시작 !!
inline constexpr char HomePageCaption[] =
    "\xC8\xA8 \xC6\xE4\xC0\xCC\xC1\xF6\xB7\xCE..";         // 홈 페이지로..
inline constexpr char QuitCaption[] = "\xC1\xBE\xB7\xE1";  // 종료
inline constexpr char OkCaption[] = "\xC8\xAE\xC0\xCE";    // 확인

// "readme.txt 파일을 읽을 수 없습니다."
inline constexpr char ReadmeMissingMessage[] =
    "readme.txt \xC6\xC4\xC0\xCF\xC0\xBB \xC0\xD0\xC0\xBB \xBC\xF6 \xBE\xF8\xBD\xC0\xB4\xCF"
    "\xB4\xD9.";
// "게임을 시작할 수 없습니다."
inline constexpr char GameStartFailedMessage[] =
    "\xB0\xD4\xC0\xD3\xC0\xBB \xBD\xC3\xC0\xDB\xC7\xD2 \xBC\xF6 \xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9.";
// "홈 페이지를 열 수 없습니다."
inline constexpr char HomePageFailedMessage[] =
    "\xC8\xA8 \xC6\xE4\xC0\xCC\xC1\xF6\xB8\xA6 \xBF\xAD \xBC\xF6 \xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9.";

}  // namespace launcher
