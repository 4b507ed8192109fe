// music_player_test.cpp -- the music player on the headless backend's virtual clock
#include "audio/music_player.h"

#include "platform/mp3_frames.h"
#include "platform/screen.h"
#include "support/engine_fixture.h"

namespace {

using audio::MusicOpen;
using audio::MusicPlayer;
using testing_support::EngineTest;
using testing_support::writeFile;

// MPEG 1 layer III frames at 128 kbit/s and 44.1 kHz: 417 bytes and 1152 samples each.
std::string mp3Frames(int count, const std::string& before = "") {
  std::string frame(417, '\0');
  frame[0] = char(0xFF);
  frame[1] = char(0xFB);
  frame[2] = char(0x90);
  std::string bytes = before;
  for (int i = 0; i < count; ++i) bytes += frame;
  return bytes;
}

constexpr double kFrameSeconds = 1152.0 / 44100.0;

void presentFrames(int n) {
  for (int i = 0; i < n; ++i) platform::presentScreen(false);
}

class MusicTest : public EngineTest {};

TEST_F(MusicTest, duration_comes_from_the_frame_headers) {
  double seconds = 0;
  std::vector<uint8_t> bytes;
  const std::string tagged =
      mp3Frames(100, std::string("ID3\x03\x00\x00\x00\x00\x00\x05", 10) + "xxxxx");
  bytes.assign(tagged.begin(), tagged.end());
  ASSERT_TRUE(platform::mp3Duration(bytes, seconds));
  EXPECT_NEAR(seconds, 100 * kFrameSeconds, 1e-9);
  const std::string garbage(5000, '\x5A');
  bytes.assign(garbage.begin(), garbage.end());
  EXPECT_FALSE(platform::mp3Duration(bytes, seconds));
}

TEST_F(MusicTest, a_missing_or_garbage_file_leaves_the_player_silent) {
  MusicPlayer missing;
  EXPECT_EQ(missing.Open("1.mp3"), MusicOpen::kCannotPlay);
  EXPECT_EQ(missing.state, MusicPlayer::kCannotRender);
  missing.Play();
  EXPECT_FALSE(missing.stream->running());

  writeFile("1.mp3", std::string(20000, '\x33'));
  MusicPlayer garbage;
  EXPECT_EQ(garbage.Open("1.mp3"), MusicOpen::kCannotPlay);
  EXPECT_EQ(garbage.state, -1);
  // Any non-zero state is final.
  writeFile("1.mp3", mp3Frames(50));
  EXPECT_EQ(garbage.Open("1.mp3"), MusicOpen::kCannotPlay);
}

TEST_F(MusicTest, loops_at_the_first_check_within_the_last_second) {
  writeFile("1.mp3", mp3Frames(403));  // 10.53 seconds
  MusicPlayer m;
  ASSERT_EQ(m.Open("1.mp3"), MusicOpen::kOpened);
  m.Play();
  for (int second = 1; second <= 9; ++second) {
    presentFrames(60);
    m.CheckLoop();
    ASSERT_NEAR(m.position, second, 1e-9);
  }
  presentFrames(60);  // 10 s: less than a second left
  m.CheckLoop();
  double now = -1;
  ASSERT_TRUE(m.stream->position(now));
  EXPECT_EQ(now, 0.0);
  EXPECT_TRUE(m.stream->running());
  presentFrames(30);
  m.stream->position(now);
  EXPECT_NEAR(now, 0.5, 1e-9);
}

TEST_F(MusicTest, music_stopped_in_its_last_second_rewinds_but_stays_stopped) {
  writeFile("1.mp3", mp3Frames(403));
  MusicPlayer m;
  ASSERT_EQ(m.Open("1.mp3"), MusicOpen::kOpened);
  m.Play();
  presentFrames(600);
  m.Stop();
  presentFrames(60);
  m.CheckLoop();
  double now = -1;
  m.stream->position(now);
  EXPECT_EQ(now, 0.0);
  EXPECT_FALSE(m.stream->running());
  m.Play();
  presentFrames(6);
  m.stream->position(now);
  EXPECT_NEAR(now, 0.1, 1e-9);
}

TEST_F(MusicTest, volume_in_hundredths_of_a_decibel) {
  EXPECT_EQ(platform::mixerVolume(0), 128);
  EXPECT_EQ(platform::mixerVolume(-600), 64);
  EXPECT_EQ(platform::mixerVolume(-10000), 0);
  MusicPlayer m;
  m.SetVolume(-600);
  EXPECT_EQ(m.volume, -600);
}

}  // namespace
