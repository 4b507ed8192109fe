// visual_mode_test.cpp -- cut-scenes: loading, the script's directives, playback and finishing
#include "visual/visual_mode.h"

#include <cstring>

#include "common/data_formats.h"
#include "display/display_device.h"
#include "display/palette.h"
#include "display/pixel_page.h"
#include "platform/encoding.h"
#include "platform/faults.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "support/engine_fixture.h"

namespace {

using namespace visual;
using testing_support::writeFile;

// Script text as UTF-8, stored as code page 949 with CR LF line ends.
std::string script(const std::string& utf8Lines) {
  std::string out;
  for (char c : platform::utf8ToCp949(utf8Lines)) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

class VisualTest : public testing_support::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    writeFile("grim/pic.res", std::string(common::kCutScenePictureBytes, '\x07'));
    std::string palette;
    for (int i = 0; i < 256; ++i) palette += {char(200), char(100), char(i)};
    writeFile("grim/pic.pal", palette);
  }
  VisualLoad load(const std::string& lines) {
    writeFile("visual/s.if", script("pic\n" + lines));
    return loadVisualScene("s");
  }
  // Runs the scene with a key script; returns the frames it presented.
  uint64_t play(const std::string& keys = "") {
    writeFile("keys", keys);
    std::string error;
    EXPECT_TRUE(platform::useKeyScript("keys", error)) << error;
    const uint64_t before = platform::presentedFrames();
    playVisualScene();
    return platform::presentedFrames() - before;
  }
  std::string row(int i) { return platform::cp949ToUtf8(visualState().VisualText[i]); }
  std::string message() {
    const auto& m = platform::shownMessages();
    return m.empty()
               ? ""
               : platform::cp949ToUtf8(m.back().title) + "/" + platform::cp949ToUtf8(m.back().text);
  }
};

TEST_F(VisualTest, loads_words_and_rest_of_lines_skipping_blank_ones) {
  ASSERT_EQ(load("\n   첫 줄  입니다\n\n#키입력 \n\t#공백\n#끝 남은 글\n무시\n"),
            VisualLoad::kLoaded);
  EXPECT_EQ(platform::cp949ToUtf8(visualState().VisualScript[0]), "첫 줄  입니다");
  EXPECT_EQ(platform::cp949ToUtf8(visualState().VisualScript[1]), "#키입력 ");
  EXPECT_EQ(platform::cp949ToUtf8(visualState().VisualScript[2]), "#공백");
  EXPECT_EQ(platform::cp949ToUtf8(visualState().VisualScript[3]), "#끝");
  EXPECT_EQ(visualState().VisualScript[4][0], 0);
  EXPECT_EQ(visualState().VisualPlaying, 1);
  // The scene's own palette at full strength; the game's kept to be put back.
  EXPECT_EQ(display::displayState().BasePalette[5].blue, 5);
  EXPECT_EQ(display::displayState().WorkingPalette[5].red, 200);
  EXPECT_EQ(visualState().SavedBasePalette[5].red, 5);
}

TEST_F(VisualTest, a_script_too_long_for_its_tables_is_cut_with_a_message_and_still_plays) {
  std::string many;
  for (int i = 0; i < 2100; ++i) many += "줄\n";
  many += std::string(400, 'x');  // a last line too long for its cell, and no line end
  ASSERT_EQ(load(many), VisualLoad::kLoaded);
  EXPECT_EQ(platform::cp949ToUtf8(visualState().VisualScript[1998]), "줄");
  EXPECT_EQ(platform::cp949ToUtf8(visualState().VisualScript[1999]), "#끝");
  // The picture's line is line 1, so slot 1999 would have held line 2001.
  EXPECT_EQ(message(), "에러/visual\\s.if, 2001번째 줄: 줄이 너무 많습니다");
  EXPECT_EQ(visualState().VisualPlaying, 1);
  ASSERT_EQ(load("a\n\n  " + std::string(400, 'y') + "\n#끝\n"), VisualLoad::kLoaded);
  EXPECT_EQ(std::strlen(visualState().VisualScript[1]), 254u);
  EXPECT_EQ(platform::cp949ToUtf8(visualState().VisualScript[2]), "#끝");
  EXPECT_EQ(message(), "에러/visual\\s.if, 4번째 줄: 줄이 너무 깁니다");
  // A word alone longer than the cell, and a script of exactly 2000 lines with its end mark.
  ASSERT_EQ(load(std::string(300, 'z')), VisualLoad::kLoaded);
  EXPECT_EQ(message(), "에러/visual\\s.if, 2번째 줄: 줄이 너무 깁니다");
  const size_t shown = platform::shownMessages().size();
  std::string full;
  for (int i = 0; i < 1999; ++i) full += "줄\n";
  ASSERT_EQ(load(full + "#끝\n"), VisualLoad::kLoaded);
  EXPECT_EQ(platform::shownMessages().size(), shown);
}

TEST_F(VisualTest, load_failures_have_their_results_and_messages) {
  EXPECT_EQ(loadVisualScene("none"), VisualLoad::kNoScript);
  EXPECT_EQ(message(), "../if파일열기");
  writeFile("visual/b.if", "nopic\r\n#\xB3\xA1\r\n");
  EXPECT_EQ(loadVisualScene("b"), VisualLoad::kNoPictureFile);
  EXPECT_EQ(message(), "grim\\nopic.res/파일열기");
  writeFile("grim/nopic.res", "");
  EXPECT_EQ(loadVisualScene("b"), VisualLoad::kEmptyPicture);
  EXPECT_EQ(message(), "에러/멥데이터 읽기");
  writeFile("grim/nopic.res", "\x01\x02");  // short but not empty: accepted
  const size_t shown = platform::shownMessages().size();
  EXPECT_EQ(loadVisualScene("b"), VisualLoad::kNoPalette);  // no palette: no message
  EXPECT_EQ(platform::shownMessages().size(), shown);
  EXPECT_EQ(visualState().VisualPlaying, 0);
  platform::faults().failSurfaceOfSize = 480;
  EXPECT_EQ(loadVisualScene("b"), VisualLoad::kNoSurface);
  EXPECT_EQ(message(), "에러/서피스 생성");
}

TEST_F(VisualTest, an_immediate_end_shows_one_frame_at_two_percent) {
  ASSERT_EQ(load("#끝\n"), VisualLoad::kLoaded);
  EXPECT_EQ(play(), 1u);
  EXPECT_EQ(visualState().VisualPlaying, 0);
  // The fade-out ran from the level reached down to 2 percent.
  EXPECT_EQ(display::displayState().WorkingPalette[5].red, 200 * 2 / 100);
}

TEST_F(VisualTest, hangul_line_types_one_character_a_frame_into_one_row) {
  ASSERT_EQ(load("가나 다라마\n#끝\n"), VisualLoad::kLoaded);
  for (int frame = 1; frame <= 6; ++frame) {
    stepVisualScript();
    if (frame == 3) {
      EXPECT_EQ(row(0), "가나 ");
    }
  }
  EXPECT_EQ(row(0), "가나 다라마");
  EXPECT_EQ(visualState().VisualRow, 1);
  EXPECT_EQ(visualState().VisualLine, 1);
  EXPECT_EQ(play(), 1u);  // the end marker takes the next frame
}

TEST_F(VisualTest, directives_blank_rows_clear_and_move_the_text) {
  ASSERT_EQ(load("a\n#공백\n#공백\nb\n#글씨좌표 100 200\n#키입력 \n#글지우기\n#끝\n"),
            VisualLoad::kLoaded);
  for (int i = 0; i < 5; ++i) stepVisualScript();
  EXPECT_EQ(row(0), "a");
  EXPECT_EQ(row(3), "b");
  EXPECT_EQ(visualState().VisualRow, 4);
  EXPECT_EQ(visualState().VisualTextX, 100);
  EXPECT_EQ(visualState().VisualTextY, 200);
  // Not the wait directive: typed as text, blank included.
  for (int i = 0; i < 5; ++i) stepVisualScript();
  EXPECT_EQ(row(4), "#키입력 ");
  EXPECT_EQ(visualState().VisualWaiting, 0);
  stepVisualScript();
  EXPECT_EQ(visualState().VisualText[0][0], 0);
  EXPECT_EQ(visualState().VisualRow, 0);
}

TEST_F(VisualTest, coordinates_read_signs_and_stop_at_the_line_end) {
  ASSERT_EQ(load("#글씨좌표 -12 +34\n#글씨좌표 77\n#끝\n"), VisualLoad::kLoaded);
  stepVisualScript();
  EXPECT_EQ(visualState().VisualTextX, -12);
  EXPECT_EQ(visualState().VisualTextY, 34);
  stepVisualScript();
  EXPECT_EQ(visualState().VisualTextX, 77);
  EXPECT_EQ(visualState().VisualTextY, 0);
}

TEST_F(VisualTest, text_rows_are_drawn_outlined_where_the_coordinates_say) {
  ASSERT_EQ(load("#글씨좌표 100 200\nI\n#공백\nI\n#끝\n"), VisualLoad::kLoaded);
  for (int i = 0; i < 4; ++i) stepVisualScript();
  drawVisualFrame();
  const auto countColour = [](int top, int colour) {
    int n = 0;
    for (int y = top; y < top + 16; ++y)
      for (int x = 99; x < 109; ++x) n += display::displayState().APAGE->row(y)[x] == colour;
    return n;
  };
  EXPECT_GT(countColour(200, 13), 0);
  EXPECT_GT(countColour(200, 14), 0);
  EXPECT_EQ(countColour(216, 13), 0);                      // the blank row
  EXPECT_GT(countColour(232, 13), 0);                      // row 2 at (100, 232)
  EXPECT_EQ(display::displayState().APAGE->row(0)[0], 7);  // the picture, copied one to one
}

TEST_F(VisualTest, key_wait_holds_the_script_and_space_held_freezes_it) {
  ASSERT_EQ(load("#키입력\nab\n#끝\n"), VisualLoad::kLoaded);
  // Space is pressed at read 10 and held until read 30; the scene ends after.
  const uint64_t frames = play("10 SPACE down\n30 SPACE up\n");
  EXPECT_EQ(row(0), "ab");
  // Frames 1-10 wait; then 2 characters, the end marker: 13 frames, no frame while held.
  EXPECT_EQ(frames, 13u);
}

TEST_F(VisualTest, key_1_aborts_and_escape_does_not) {
  ASSERT_EQ(load("#키입력\n#끝\n"), VisualLoad::kLoaded);
  EXPECT_EQ(play("5 ESCAPE down\n20 1 down\n"), 20u);
  EXPECT_EQ(visualState().VisualPlaying, 1);  // left as it was; the next load starts afresh
  ASSERT_EQ(loadVisualScene("none"), VisualLoad::kNoScript);
  EXPECT_EQ(play(), 0u);
}

TEST_F(VisualTest, finishing_restores_the_game_palette_tint_and_mixing_table) {
  display::TintPalette(0, -40, -50);
  const platform::PaletteEntry tinted = display::displayState().BasePalette[100];
  const int32_t mix = display::displayState().MixTable[300];
  ASSERT_EQ(load("#끝\n"), VisualLoad::kLoaded);
  play();
  finishVisualScene();
  EXPECT_EQ(display::displayState().BasePalette[100].green, tinted.green);
  EXPECT_EQ(display::displayState().BasePalette[100].blue, tinted.blue);
  EXPECT_EQ(display::displayState().MixTable[300], mix);
  EXPECT_EQ(visualState().VisualPicture, nullptr);
  for (int i = 0; i < common::kScreenWidth * common::kScreenHeight; i += 997)
    ASSERT_EQ(display::displayState().PrimarySurface->pixels()[i], 0);
}

TEST_F(VisualTest, more_rows_than_the_table_never_write_past_it) {
  std::string lines = "#글씨좌표 0 470\n";
  for (int i = 0; i < 120; ++i) lines += "x\n";
  ASSERT_EQ(load(lines + "#키입력\n#끝\n"), VisualLoad::kLoaded);
  for (int i = 0; i < 122; ++i) stepVisualScript();
  EXPECT_EQ(visualState().VisualRow, 120);
  EXPECT_EQ(visualState().VisualWaiting, 1);
  drawVisualFrame();  // rows below the page are cut, the prompt row too
}

}  // namespace
