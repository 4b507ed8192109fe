// mp3_file_test.cpp -- an MP3 file's length read header by header from the file itself
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/headless/virtual_music.h"
#include "platform/mp3_frames.h"
#include "support/engine_fixture.h"
#include "support/test_maps.h"

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::testMusic;
using testing_support::writeFile;

// The bytes this process has read so far, all files together; -1 where the system
// does not tell.
long long bytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return -1;
}

class Mp3File : public testing_support::TempFolderTest {};

TEST_F(Mp3File, the_file_gives_the_length_its_bytes_give) {
  const std::string tag =
      std::string("ID3\x03\x00\x00\x00\x00\x01\x05", 10) + std::string(133, 't');
  const std::string cases[] = {
      readFile(PELMO_SOURCE_DIR "/content/music/1.mp3"),
      tag + testMusic(40),
      std::string(300, '\0') + testMusic(7),   // padding before the first frame
      std::string(5000, '\0') + testMusic(7),  // too much of it
      testMusic(2),                            // too few frames to be audio
      testMusic(9).substr(0, 9 * 417 - 1),     // the last frame cut short
  };
  for (const std::string& bytes : cases) {
    writeFile("m.mp3", bytes);
    double fromBytes = -1, fromFile = -1;
    const bool parsed = platform::mp3Duration({bytes.begin(), bytes.end()}, fromBytes);
    EXPECT_EQ(platform::mp3FileDuration("m.mp3", fromFile), parsed) << bytes.size();
    EXPECT_EQ(fromFile, fromBytes) << bytes.size();
  }
}

TEST_F(Mp3File, a_hole_after_the_frames_is_not_read) {
  if (bytesReadSoFar() < 0) GTEST_SKIP() << "no count of bytes read here";
  writeFile("1.mp3", testMusic(100));
  fs::resize_file("1.mp3", uint64_t(256) << 20);  // sparse: a stand-in for a huge file
  const long long before = bytesReadSoFar();
  double seconds = 0;
  ASSERT_TRUE(platform::makeVirtualMusicStream()->open("1.mp3"));
  ASSERT_TRUE(platform::mp3FileDuration("1.mp3", seconds));
  EXPECT_NEAR(seconds, 100 * 1152.0 / 44100.0, 1e-9);
  EXPECT_LT(bytesReadSoFar() - before, 64 * 1024);
}

TEST_F(Mp3File, a_folder_or_pipe_named_1_mp3_is_no_music) {
  fs::create_directory("1.mp3");
  ASSERT_EQ(mkfifo("pipe.mp3", 0600), 0);
  double seconds = 0;
  EXPECT_FALSE(platform::makeVirtualMusicStream()->open("1.mp3"));
  EXPECT_FALSE(platform::mp3FileDuration("1.mp3", seconds));
  EXPECT_FALSE(platform::makeVirtualMusicStream()->open("pipe.mp3"));
}

}  // namespace
