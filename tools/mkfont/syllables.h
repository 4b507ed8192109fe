// syllables.h -- the KS X 1001 Hangul syllables, their code points and Johab codes
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mkfont {

constexpr int kModernSyllables = 11172;  // U+AC00 to U+D7A3

struct Syllable {
  uint8_t lead = 0, trail = 0;  // code page 949 bytes; 0 for syllables outside KS X 1001
  int codePoint = 0;
  uint16_t johab = 0;
};

// The Johab code computed from the syllable's letters (initial, vowel, final).
uint16_t johabOfCodePoint(int codePoint);

// The 2350 syllables in table order (lead 0xB0..0xC8, trail 0xA1..0xFE), each converted
// by iconv from EUC-KR to UTF-32 and to JOHAB; false when a conversion fails or the
// Johab code disagrees with the one computed from the letters.
bool listKsSyllables(std::vector<Syllable>& out, std::string& error);

// The modern syllables that KS X 1001 leaves out, with their computed Johab codes.
std::vector<Syllable> otherModernSyllables(const std::vector<Syllable>& ks);

}  // namespace mkfont
