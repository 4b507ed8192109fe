// settings_test.cpp -- the player's settings file: values, a round trip, malformed files
#include "platform/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/keyboard.h"
#include "platform/user_dirs.h"
#include "support/engine_fixture.h"

namespace {

using namespace platform;
using testing_support::readFile;
using testing_support::writeFile;

class SettingsTest : public testing_support::TempFolderTest {
 protected:
  // Loads text as a settings file; the message is in error_.
  bool load(const std::string& text, Settings& settings) {
    writeFile("settings.ini", text);
    return store_.load("settings.ini", settings, error_);
  }
  SettingsStore store_;
  std::string error_;
};

TEST_F(SettingsTest, every_key_is_read_and_a_missing_file_leaves_the_defaults) {
  Settings s;
  ASSERT_TRUE(store_.load("none.ini", s, error_)) << error_;
  EXPECT_TRUE(s.window.fullScreen);
  EXPECT_EQ(s.window.scale, 0);
  EXPECT_EQ(s.window.filter, ScaleFilter::whole);
  EXPECT_TRUE(s.frameCounterShown);
  EXPECT_TRUE(s.window.gamepad);
  EXPECT_EQ(s.window.keys.gameCodeOf(dik::SPACE), dik::SPACE);

  ASSERT_TRUE(
      load("fullscreen = no\nscale = 3\nwindow_size = 1000x700\ndisplay = 1\n"
           "filter = Sharp\nframe_counter = hidden\ngamepad = off\n"
           "key.talk = return\nkey.left = A, LEFT\nkey.music_stop =\n",
           s))
      << error_;
  EXPECT_FALSE(s.window.fullScreen);
  EXPECT_EQ(s.window.scale, 3);
  EXPECT_EQ(s.window.windowWidth, 1000);
  EXPECT_EQ(s.window.windowHeight, 700);
  EXPECT_EQ(s.window.display, 1);
  EXPECT_EQ(s.window.filter, ScaleFilter::sharp);
  EXPECT_FALSE(s.frameCounterShown);
  EXPECT_FALSE(s.window.gamepad);
  // Space no longer talks, Return does; A walks left beside the arrow; F1 stops nothing.
  EXPECT_EQ(s.window.keys.gameCodeOf(dik::RETURN), dik::SPACE);
  EXPECT_EQ(s.window.keys.gameCodeOf(dik::SPACE), 0);
  EXPECT_EQ(s.window.keys.gameCodeOf(0x1E), dik::LEFT);
  EXPECT_EQ(s.window.keys.gameCodeOf(dik::LEFT), dik::LEFT);
  EXPECT_EQ(s.window.keys.gameCodeOf(dik::F1), 0);
  EXPECT_EQ(s.window.keys.gameCodeOf(dik::F2), dik::F2);
  // Either key bound to left holds it; a key of none of the game's is passed as it is.
  uint8_t physical[256] = {}, game[256];
  physical[0x1E] = physical[dik::F12] = 0x80;
  s.window.keys.apply(physical, game);
  EXPECT_EQ(game[dik::LEFT], 0x80);
  EXPECT_EQ(game[dik::F12], 0x80);
  EXPECT_EQ(game[0x1E], 0);
}

TEST_F(SettingsTest, a_change_in_play_keeps_comments_unknown_keys_and_line_ends) {
  const std::string text =
      "# my settings\r\n; another comment\r\n\r\n  fullscreen = yes\r\nfuture_key = 7\r\n";
  Settings s;
  ASSERT_TRUE(load(text, s)) << error_;
  ASSERT_TRUE(store_.storeWindow(false, 1300, 980, error_)) << error_;
  EXPECT_EQ(readFile("settings.ini"),
            "# my settings\r\n; another comment\r\n\r\n  fullscreen = no\r\nfuture_key = 7\r\n"
            "window_size = 1300x980\r\n");
  // Read back, the change is the file's; a toggle without a resize leaves the size alone.
  Settings again;
  ASSERT_TRUE(load(readFile("settings.ini"), again)) << error_;
  EXPECT_FALSE(again.window.fullScreen);
  EXPECT_EQ(again.window.windowWidth, 1300);
  ASSERT_TRUE(store_.storeWindow(true, 0, 0, error_)) << error_;
  EXPECT_NE(
      readFile("settings.ini").find("fullscreen = yes\r\nfuture_key = 7\r\nwindow_size = 1300x980"),
      std::string::npos);
  // A file that was missing is made, folders and all.
  ASSERT_TRUE(store_.load("new/pelmo/settings.ini", again, error_));
  ASSERT_TRUE(store_.storeWindow(false, 0, 0, error_)) << error_;
  EXPECT_EQ(readFile("new/pelmo/settings.ini"), "fullscreen = no\n");
}

TEST_F(SettingsTest, a_malformed_file_is_told_once_by_line_used_where_right_and_never_written) {
  const std::string text =
      "scale = 2\nfilter = blurry\nthis line has no equals sign\nkey.left = NOPE\n"
      "frame_counter = hidden\n";
  Settings s;
  EXPECT_FALSE(load(text, s));
  EXPECT_EQ(error_.rfind("settings.ini:2: filter is whole or sharp, not 'blurry' (and 2 more", 0),
            0u)
      << error_;
  EXPECT_EQ(s.window.scale, 2);
  EXPECT_EQ(s.window.filter, ScaleFilter::whole);
  EXPECT_FALSE(s.frameCounterShown);
  EXPECT_EQ(s.window.keys.gameCodeOf(dik::LEFT), dik::LEFT);
  EXPECT_FALSE(store_.storeWindow(false, 800, 600, error_));
  EXPECT_EQ(readFile("settings.ini"), text);

  // A wrong value alone keeps the file the player's to change.
  EXPECT_FALSE(load("key.left = Z\nkey.right = Z\n", s));
  EXPECT_EQ(error_.rfind("settings.ini:2: key Z is bound to left already", 0), 0u) << error_;
  EXPECT_TRUE(store_.storeWindow(false, 0, 0, error_)) << error_;
}

TEST_F(SettingsTest, settings_and_screenshots_follow_the_xdg_variables) {
  setenv("HOME", "/home/p", 1);
  unsetenv("XDG_CONFIG_HOME");
  unsetenv("XDG_PICTURES_DIR");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(settingsPath(), "/home/p/.config/pelmo/settings.ini");
  EXPECT_EQ(screenshotFolder(), "/home/p/.local/share/pelmo/screenshots");
  setenv("XDG_CONFIG_HOME", "relative/not/taken", 1);
  setenv("XDG_DATA_HOME", "/d", 1);
  EXPECT_EQ(settingsPath(), "/home/p/.config/pelmo/settings.ini");
  EXPECT_EQ(screenshotFolder(), "/d/pelmo/screenshots");
  setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  writeFile("user-dirs.dirs", "# by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
  EXPECT_EQ(settingsPath(), dir_.string() + "/pelmo/settings.ini");
  EXPECT_EQ(screenshotFolder(), "/home/p/Bilder/Pelmo");
  setenv("XDG_PICTURES_DIR", "/pics", 1);
  EXPECT_EQ(screenshotFolder(), "/pics/Pelmo");
  unsetenv("XDG_PICTURES_DIR");
  unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
