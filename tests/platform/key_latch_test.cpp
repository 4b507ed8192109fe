// key_latch_test.cpp -- the latch every window backend feeds with its key events
#include "platform/key_latch.h"

#include <gtest/gtest.h>

namespace {

using platform::KeyLatch;

uint8_t readKey(KeyLatch& latch, uint8_t code) {
  uint8_t state[256];
  latch.read(state);
  return state[code];
}

TEST(KeyLatch, a_polled_device_keeps_the_taps_its_events_reported) {
  KeyLatch latch;
  uint8_t polled[256] = {};
  polled[0x1D] = 0x80;
  latch.press(0x39);  // tapped: the poll no longer sees it
  latch.release(0x39);
  latch.hold(polled);
  EXPECT_EQ(readKey(latch, 0x39), 0x80);
  EXPECT_EQ(readKey(latch, 0x1D), 0x80);
  polled[0x1D] = 0;
  latch.hold(polled);  // a release the events missed
  EXPECT_EQ(readKey(latch, 0x39), 0);
  EXPECT_EQ(readKey(latch, 0x1D), 0);
}

TEST(KeyLatch, releasing_all_keeps_unread_presses_and_clearing_forgets_them) {
  KeyLatch latch;
  latch.press(0x39);
  latch.press(0xCB);
  latch.releaseAll();
  EXPECT_EQ(readKey(latch, 0x39), 0x80);
  EXPECT_EQ(readKey(latch, 0x39), 0);
  latch.press(0x39);
  latch.clear();
  EXPECT_EQ(readKey(latch, 0x39), 0);
}

}  // namespace
