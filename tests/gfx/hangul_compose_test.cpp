// hangul_compose_test.cpp -- the letter code tables against the syllables' own letters
#include "gfx/hangul_compose.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/encoding.h"
#include "support/test_fonts.h"

namespace {

using namespace gfx;

// The code point of a three-byte UTF-8 sequence.
int codePoint(const std::string& utf8) {
  if (utf8.size() != 3) return -1;
  return (utf8[0] & 0x0F) << 12 | (utf8[1] & 0x3F) << 6 | (utf8[2] & 0x3F);
}

TEST(HangulCodeTables, every_syllable_maps_to_its_own_three_letters) {
  const std::string codes = testing_support::testSyllableCodes();
  int checked = 0;
  for (int lead = 0xB0; lead <= 0xC8; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const int at = (lead - 0xB0) * 188 + (trail - 0xA1) * 2;
      const uint16_t code = uint16_t(uint8_t(codes[at]) << 8 | uint8_t(codes[at + 1]));
      const int u = codePoint(platform::cp949ToUtf8(std::string{char(lead), char(trail)})) - 0xAC00;
      ASSERT_TRUE(u >= 0 && u < 11172) << std::hex << lead << trail;
      // Unicode orders the letters as the glyph indices do, from 0 instead of 1.
      const HangulParts p = hangulPartsOf(code);
      EXPECT_EQ(p.initialGlyph, u / 588 + 1) << std::hex << lead << trail;
      EXPECT_EQ(p.medialGlyph, u % 588 / 28 + 1) << std::hex << lead << trail;
      EXPECT_EQ(p.finalGlyph, u % 28) << std::hex << lead << trail;
      ++checked;
    }
  EXPECT_EQ(checked, 2350);
}

TEST(HangulCodeTables, the_fill_codes_and_gaps_give_no_letter) {
  for (int code : {0, 1, 21, 31}) EXPECT_EQ(initialCodeToGlyph[code], 0) << code;
  for (int code : {0, 1, 2, 8, 9, 16, 17, 24, 25, 30, 31})
    EXPECT_EQ(medialCodeToGlyph[code], 0) << code;
  for (int code : {0, 1, 18, 30, 31}) EXPECT_EQ(finalCodeToGlyph[code], 0) << code;
}

}  // namespace
