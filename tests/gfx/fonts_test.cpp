// fonts_test.cpp -- loading the three font files, and the font failure at start-up
#include "gfx/fonts.h"

#include <filesystem>

#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/gfx_state.h"
#include "platform/encoding.h"
#include "platform/message_box.h"
#include "shell/startup.h"
#include "support/engine_fixture.h"
#include "support/test_fonts.h"

namespace {

namespace fs = std::filesystem;
using namespace gfx;
using testing_support::EngineTest;
using testing_support::writeFile;

using FontLoadTest = EngineTest;

TEST_F(FontLoadTest, reads_all_three_files_into_their_tables) {
  ASSERT_EQ(loadFonts(), 1);
  ASSERT_NE(gfxState().asciiFont.get(), nullptr);
  EXPECT_EQ(gfxState().asciiFont[0x41 * 16 + 15], 0x41);
  EXPECT_EQ(gfxState().asciiFont[4095], 0xFF);
  // Row 0 of initial glyph 19 of set 7, row 1 of medial 21 of set 3, row 2 of final 27 of set 3.
  EXPECT_EQ(gfxState().hangulInitials[(7 * 20 + 19) * 32 + 1], 19);
  EXPECT_EQ(gfxState().hangulMedials[(3 * 22 + 21) * 32 + 2], 0x83);
  EXPECT_EQ(gfxState().hangulFinals[(3 * 28 + 27) * 32 + 5], 27);
  // The last syllable, 힝, is ㅎ ㅣ ㅇ: Johab 0xD3B7.
  EXPECT_EQ(gfxState().syllableCodes[4698], 0xD3);
  EXPECT_EQ(gfxState().syllableCodes[4699], 0xB7);
}

TEST_F(FontLoadTest, a_missing_or_empty_file_fails_the_load) {
  for (const char* name : {"grim/EngFont.fnt", "grim/HanFont.fnt", "grim/han.inf"}) {
    for (bool empty : {false, true}) {
      testing_support::resetEngineGlobals();
      fs::remove_all("grim");
      testing_support::writeTestFonts();
      if (empty)
        writeFile(name, "");
      else
        fs::remove(name);
      EXPECT_EQ(loadFonts(), 0) << name << (empty ? " empty" : " missing");
    }
  }
}

TEST_F(FontLoadTest, short_reads_are_accepted_but_an_empty_part_is_not) {
  const std::string font = testing_support::testHangulFont();
  // Initials whole, one byte of the medials, nothing for the finals.
  writeFile("grim/HanFont.fnt", font.substr(0, kInitialBytes + 1));
  EXPECT_EQ(loadFonts(), 0);
  // One byte of the finals is enough; the rest of the table stays as it was.
  writeFile("grim/HanFont.fnt", font.substr(0, kInitialBytes + kMedialBytes + 1));
  writeFile("grim/han.inf", "\x88\x61");
  writeFile("grim/EngFont.fnt", "\x7E");
  EXPECT_EQ(loadFonts(), 1);
  EXPECT_EQ(gfxState().asciiFont[0], 0x7E);
  EXPECT_EQ(gfxState().asciiFont[1], 0);
  EXPECT_EQ(gfxState().syllableCodes[1], 0x61);
  EXPECT_EQ(gfxState().syllableCodes[2], 0);
}

TEST_F(FontLoadTest, start_up_stops_with_the_font_message) {
  writeFile("grim/pal.pal", testing_support::knownPalette());
  fs::remove("grim/han.inf");
  EXPECT_EQ(shell::StartUpEngine(), 0);
  const auto& shown = platform::shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(platform::cp949ToUtf8(shown[0].title), "Pelmo엔진");
  EXPECT_EQ(platform::cp949ToUtf8(shown[0].text), "폰트 로딩에러..");
  EXPECT_EQ(display::displayState().MPAGE.get(), nullptr);  // no page is made after a font failure
}

TEST_F(FontLoadTest, shutdown_frees_the_ascii_glyphs) {
  startEngine();
  ASSERT_NE(gfxState().asciiFont.get(), nullptr);
  shell::ShutDownEngine();
  EXPECT_EQ(gfxState().asciiFont.get(), nullptr);
}

}  // namespace
