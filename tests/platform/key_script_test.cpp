// key_script_test.cpp -- key scripts: parsing, playing by read number, recording
#include "platform/key_script.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/keyboard.h"
#include "support/engine_fixture.h"

namespace {

using namespace platform;

TEST(KeyScript, parses_names_codes_comments_and_blank_lines) {
  std::vector<KeyChange> changes;
  std::string error;
  ASSERT_TRUE(parseKeyScript("# a comment\n\n3 SPACE down\r\n5 0x39 up # trailing\n4 LEFT down\n",
                             changes, error))
      << error;
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0].read, 3u);
  EXPECT_EQ(changes[0].code, dik::SPACE);
  EXPECT_TRUE(changes[0].down);
  EXPECT_EQ(changes[1].read, 4u);  // ordered by read
  EXPECT_EQ(changes[1].code, dik::LEFT);
  EXPECT_EQ(changes[2].code, 0x39);
  EXPECT_FALSE(changes[2].down);
}

TEST(KeyScript, malformed_lines_name_their_line) {
  std::vector<KeyChange> changes;
  std::string error;
  const std::pair<const char*, const char*> cases[] = {
      {"1 SPACE down\nx SPACE down\n", "line 2: bad read number"},
      {"1 NOPE down\n", "line 1: unknown key 'NOPE'"},
      {"1 SPACE\n", "line 1: missing"},
      {"1 SPACE pressed\n", "line 1: expected 'down' or 'up'"},
      {"\n\n1 SPACE down extra\n", "line 3: unexpected 'extra'"},
      {"1 0x100 down\n", "line 1: unknown key"},
      {"-1 SPACE down\n", "line 1: bad read number"},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_FALSE(parseKeyScript(text, changes, error)) << text;
    EXPECT_EQ(error.rfind(message, 0), 0u) << error;
  }
}

TEST(KeyScript, read_r_sees_every_change_up_to_r) {
  KeyScriptPlayer player({{2, dik::SPACE, true}, {2, dik::F1, true}, {4, dik::SPACE, false}});
  uint8_t state[256];
  player.stateAtRead(0, state);
  EXPECT_EQ(state[dik::SPACE], 0);
  player.stateAtRead(3, state);
  EXPECT_NE(state[dik::SPACE], 0);
  EXPECT_NE(state[dik::F1], 0);
  player.stateAtRead(9, state);
  EXPECT_EQ(state[dik::SPACE], 0);
  EXPECT_NE(state[dik::F1], 0);
}

TEST(KeyScript, recording_plays_back_the_same_states) {
  KeyRecorder recorder;
  uint8_t states[4][256] = {};
  states[1][dik::RIGHT] = 0x80;
  states[2][dik::RIGHT] = 0x80;
  states[2][0xEE] = 0x80;  // a code without a name is written as a number
  states[3][dik::ESCAPE] = 0x80;
  for (int r = 0; r < 4; ++r) recorder.observe(uint64_t(r), states[r]);
  std::vector<KeyChange> changes;
  std::string error;
  ASSERT_TRUE(parseKeyScript(recorder.text(), changes, error)) << error << recorder.text();
  KeyScriptPlayer player(changes);
  for (int r = 0; r < 4; ++r) {
    uint8_t state[256];
    player.stateAtRead(uint64_t(r), state);
    for (int k = 0; k < 256; ++k) ASSERT_EQ(state[k] != 0, states[r][k] != 0) << r << " " << k;
  }
}

class KeyScriptFile : public testing_support::TempFolderTest {};

// A device, a pipe or an outsized script stops the run at once, the file named.
TEST_F(KeyScriptFile, only_a_regular_file_within_its_bounds_is_played) {
  ASSERT_EQ(mkfifo("pipe.keys", 0600), 0);
  const std::string lines(kKeyScriptMaxLines, '\n');
  testing_support::writeFile("full.keys", lines);
  testing_support::writeFile("long.keys", lines + "1 SPACE down\n");
  testing_support::writeFile("big.keys", std::string(kKeyScriptMaxBytes + 1, ' '));
  std::string error;
  EXPECT_TRUE(useKeyScript("full.keys", error)) << error;
  const std::pair<const char*, const char*> cases[] = {
      {"/dev/zero", "/dev/zero: is not a regular file"},
      {"pipe.keys", "pipe.keys: is not a regular file"},
      {"long.keys", "long.keys: line 100001: more than 100000 lines in a script"},
      {"big.keys", "big.keys: is larger than 1048576 bytes"},
  };
  for (const auto& [path, message] : cases) {
    EXPECT_FALSE(useKeyScript(path, error));
    EXPECT_EQ(error, message);
  }
  resetKeyboard();
}

}  // namespace
