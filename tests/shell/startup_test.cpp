// startup_test.cpp -- the start-up sequence: each failure's message, and what success makes
#include "shell/startup.h"

#include "display/display_device.h"
#include "display/pixel_page.h"
#include "platform/encoding.h"
#include "platform/faults.h"
#include "platform/message_box.h"
#include "support/engine_fixture.h"

namespace {

using testing_support::EngineTest;
using testing_support::writeFile;

class StartUpTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    writeFile("grim/pal.pal", testing_support::knownPalette());
  }
  // The one message shown, as UTF-8, after a failed start-up.
  std::string failureText() {
    EXPECT_EQ(shell::StartUpEngine(), 0);
    const auto& shown = platform::shownMessages();
    if (shown.size() != 1) return "(" + std::to_string(shown.size()) + " messages)";
    EXPECT_EQ(platform::cp949ToUtf8(shown[0].title), "Pelmo엔진");
    return platform::cp949ToUtf8(shown[0].text);
  }
};

TEST_F(StartUpTest, success_binds_the_four_pages_and_the_view) {
  startEngine();
  using namespace display;
  const auto& d = displayState();
  ASSERT_TRUE(d.APAGE && d.APAGE->bound());
  EXPECT_EQ(d.APAGE->row(0), d.DrawSurface->pixels());
  EXPECT_EQ(d.APAGE->row(479), d.DrawSurface->pixels() + 479 * kPageWidth);
  EXPECT_EQ(d.VPAGE->row(1), d.PrimarySurface->pixels() + kPageWidth);
  EXPECT_EQ(d.APAGE1->row(0), d.BackBuffer->pixels());
  EXPECT_EQ(d.MPAGE->row(15), d.StripSurface->pixels() + 15 * kPageWidth);
  EXPECT_EQ(d.ViewRect.left, 128);
  EXPECT_EQ(d.ViewRect.bottom, 368);
  EXPECT_TRUE(platform::shownMessages().empty());
}

TEST_F(StartUpTest, display_failure) {
  platform::faults().displayDevice = true;
  EXPECT_EQ(failureText(), "DDRAW 에러");
}

TEST_F(StartUpTest, surface_failure_is_a_display_failure) {
  platform::faults().failSurfaceOfSize = 480;
  EXPECT_EQ(failureText(), "DDRAW 에러");
}

TEST_F(StartUpTest, keyboard_failure) {
  platform::faults().keyboardDevice = true;
  EXPECT_EQ(failureText(), "DINPUT 에러");
}

TEST_F(StartUpTest, missing_palette_stops_before_any_page) {
  std::filesystem::remove("grim/pal.pal");
  EXPECT_EQ(failureText(), "팔렛 로딩에러..");
  EXPECT_EQ(display::displayState().APAGE.get(), nullptr);
  EXPECT_EQ(display::displayState().MPAGE.get(), nullptr);
}

TEST_F(StartUpTest, page_failures_name_their_page) {
  const char* expected[] = {"MPAGE에러....", "APAGE에러....", "VPAGE에러....", "APAGE1에러...."};
  for (int n = 1; n <= 4; ++n) {
    testing_support::resetEngineGlobals();
    platform::faults().failRowTableNumber = n;
    EXPECT_EQ(failureText(), expected[n - 1]) << "row table " << n;
  }
}

TEST_F(StartUpTest, strip_surface_failure_is_silent) {
  platform::faults().failSurfaceOfSize = 16;
  EXPECT_EQ(shell::StartUpEngine(), 0);
  EXPECT_TRUE(platform::shownMessages().empty());
}

}  // namespace
