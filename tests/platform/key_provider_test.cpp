// key_provider_test.cpp -- a key provider in place of the device or a key script, recorded as usual
#include <gtest/gtest.h>

#include <vector>

#include "platform/keyboard.h"
#include "support/engine_fixture.h"

namespace {

using namespace platform;
using testing_support::readFile;
using testing_support::writeFile;

class KeyProvider : public testing_support::EngineTest {
 protected:
  uint8_t read() {
    uint8_t state[256];
    readKeyboardState(state);
    return state[dik::SPACE] | state[dik::RIGHT] >> 1;  // 0x80 Space, 0x40 Right
  }
};

TEST_F(KeyProvider, decides_every_read_over_a_key_script_and_is_recorded) {
  writeFile("in.keys", "0 RIGHT down\n");
  std::string error;
  ASSERT_TRUE(useKeyScript("in.keys", error)) << error;
  ASSERT_TRUE(recordKeyScript("out.keys", error)) << error;
  EXPECT_EQ(read(), 0x40);  // read 0 from the script

  std::vector<uint64_t> asked;
  setKeyProvider([&](uint64_t r, uint8_t state[256]) {
    asked.push_back(r);
    for (int k = 0; k < 256; ++k) EXPECT_EQ(state[k], 0) << k;  // given cleared
    if (r == 2) state[dik::SPACE] = 0x80;
  });
  EXPECT_EQ(read(), 0x00);  // the script's Right no longer counts
  EXPECT_EQ(read(), 0x80);
  EXPECT_EQ(read(), 0x00);
  EXPECT_EQ(asked, (std::vector<uint64_t>{1, 2, 3}));

  setKeyProvider(nullptr);
  EXPECT_EQ(read(), 0x40);  // the script again
  ASSERT_TRUE(finishKeyRecording(error)) << error;
  EXPECT_EQ(readFile("out.keys"),
            "# keys recorded by game: READ KEY down|up\n"
            "0 RIGHT down\n1 RIGHT up\n2 SPACE down\n3 SPACE up\n4 RIGHT down\n");
}

TEST_F(KeyProvider, is_gone_after_a_keyboard_reset) {
  setKeyProvider([](uint64_t, uint8_t state[256]) { state[dik::SPACE] = 0x80; });
  EXPECT_EQ(read(), 0x80);
  resetKeyboard();
  EXPECT_EQ(read(), 0x00);  // the headless device: nothing held
}

}  // namespace
