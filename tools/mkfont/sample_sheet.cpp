// sample_sheet.cpp -- drawing sample text and the whole syllable table into a PNG
#include "mkfont/sample_sheet.h"

#include <algorithm>

#include "common/png_image.h"
#include "display/pixel_page.h"
#include "gfx/fonts.h"
#include "gfx/hangul_compose.h"
#include "gfx/text_draw.h"
#include "platform/encoding.h"

namespace mkfont {
namespace {

constexpr int kWidth = display::kPageWidth;
constexpr int kPerLine = kWidth / 16;  // syllables in one line of the table
enum Colour : uint8_t { kPaper, kInk, kReference, kDiffers, kRule };

// A band of 16 rows, drawn on a page of its own so that the engine's routines can be used.
class Band {
 public:
  Band() : pixels_(kWidth * display::kPageHeight, kPaper) {
    page_.BindRows(pixels_.data(), kWidth, display::kPageHeight);
  }
  void clear() { std::fill(pixels_.begin(), pixels_.begin() + 16 * kWidth, kPaper); }
  void fillCell(int x) {
    for (int r = 0; r < 16; ++r) std::fill_n(pixels_.begin() + r * kWidth + x, 16, kDiffers);
  }
  display::PixelPage* page() { return &page_; }
  // Appends the band to the sheet, each pixel repeated `scale` times both ways.
  void appendTo(std::vector<uint8_t>& sheet, int scale) const {
    for (int r = 0; r < 16; ++r)
      for (int k = 0; k < scale; ++k)
        for (int x = 0; x < kWidth; x += scale)
          sheet.insert(sheet.end(), scale, pixels_[r * kWidth + x / scale]);
  }

 private:
  std::vector<uint8_t> pixels_;
  display::PixelPage page_;
};

void appendRule(std::vector<uint8_t>& sheet, int rows, Colour colour) {
  sheet.insert(sheet.end(), static_cast<size_t>(rows) * kWidth, colour);
}

std::string glyphBytes(const Rows16& rows) {
  std::string bytes;
  for (uint16_t r : rows) {
    bytes += static_cast<char>(r >> 8);
    bytes += static_cast<char>(r & 0xFF);
  }
  return bytes;
}

bool differs(const Syllable& s, const HexFont& reference) {
  const gfx::Glyph16 composed = gfx::composeHangulGlyph(s.lead, s.trail);
  const Rows16& want = reference.at(s.codePoint).rows;
  for (int r = 0; r < 16; ++r)
    if ((composed[2 * r] << 8 | composed[2 * r + 1]) != want[r]) return true;
  return false;
}

// One line of the table: the syllables as the engine draws them, then Unifont's.
void appendTableLine(std::vector<uint8_t>& sheet, Band& band, const std::vector<Syllable>& line,
                     const HexFont& reference) {
  band.clear();
  std::string text;
  for (size_t i = 0; i < line.size(); ++i) {
    if (differs(line[i], reference)) band.fillCell(static_cast<int>(i) * 16);
    text += static_cast<char>(line[i].lead);
    text += static_cast<char>(line[i].trail);
  }
  gfx::drawText(band.page(), 0, 0, text.c_str(), kInk);
  band.appendTo(sheet, 1);
  band.clear();
  for (size_t i = 0; i < line.size(); ++i) {
    const std::string glyph = glyphBytes(reference.at(line[i].codePoint).rows);
    gfx::plotGlyph16(band.page(), static_cast<int>(i) * 16, 0,
                     reinterpret_cast<const uint8_t*>(glyph.data()), kReference);
  }
  band.appendTo(sheet, 1);
}

}  // namespace

std::vector<std::string> defaultSampleLines() {
  return {
      "눈이 내리는 마을에 오신 것을 환영합니다",
      "다람쥐 헌 쳇바퀴에 타고파",
      "원 뛴 웬 휀 쉔 꿴 괜 왕 획 눈 준 쥰 퀀",
      "frame 60  0   Pelmo 0123456789",
  };
}

bool writeSampleSheet(const std::string& path, const std::vector<std::string>& lines,
                      const std::vector<Syllable>& ks, const HexFont& reference,
                      std::string& error) {
  std::vector<uint8_t> sheet;
  Band band;
  appendRule(sheet, 8, kPaper);
  for (const std::string& line : lines) {
    band.clear();
    gfx::drawText(band.page(), 0, 0, platform::utf8ToCp949(line).c_str(), kInk);
    band.appendTo(sheet, 2);
    appendRule(sheet, 8, kPaper);
  }
  band.clear();
  gfx::drawText(band.page(), 0, 0, "Every syllable: engine (red where it differs), then Unifont",
                kInk);
  band.appendTo(sheet, 1);
  for (size_t start = 0; start < ks.size(); start += common::kSyllablesPerRow) {
    appendRule(sheet, 3, kPaper);
    appendRule(sheet, 1, kRule);
    appendRule(sheet, 3, kPaper);
    const auto rowEnd =
        ks.begin() + static_cast<long>(std::min(ks.size(), start + common::kSyllablesPerRow));
    for (auto from = ks.begin() + static_cast<long>(start); from < rowEnd;
         from += std::min<long>(kPerLine, rowEnd - from))
      appendTableLine(sheet, band, std::vector<Syllable>(from, std::min(from + kPerLine, rowEnd)),
                      reference);
  }
  appendRule(sheet, 8, kPaper);
  const std::vector<uint8_t> palette = {255, 255, 255, 0,   0,   0,   150, 150,
                                        150, 255, 190, 190, 200, 200, 230};
  return common::writeIndexedPng(path, kWidth, static_cast<int>(sheet.size() / kWidth), sheet,
                                 palette, error);
}

}  // namespace mkfont
