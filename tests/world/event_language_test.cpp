// event_language_test.cpp -- the event keyword table and the decimal numbers of event text
#include "world/event_language.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace {

using world::EventKeyword;
using world::kEventKeywords;

TEST(EventLanguage, each_keyword_and_each_opcode_appears_once_within_the_interpreted_range) {
  std::set<std::string> words;
  std::set<int> ops;
  for (const EventKeyword& k : kEventKeywords) {
    EXPECT_TRUE(words.insert(k.word).second) << k.word;
    EXPECT_TRUE(ops.insert(k.op).second) << k.op;
    EXPECT_NE(k.op, world::kOpEnd);
    EXPECT_GE(k.op, world::kOpLowest);
    EXPECT_LE(k.op, world::kOpHighest);
    EXPECT_EQ(world::eventKeyword(k.op), k.word);
  }
  EXPECT_EQ(world::eventKeyword(world::kOpEnd), nullptr);
}

TEST(EventLanguage, a_keyword_is_found_only_by_its_whole_bytes) {
  for (const EventKeyword& k : kEventKeywords) {
    const std::string word = k.word;
    EXPECT_EQ(world::findEventKeyword(word), &k);
    EXPECT_EQ(world::findEventKeyword(word + " "), nullptr);
    EXPECT_EQ(world::findEventKeyword(word.substr(0, word.size() - 2)), nullptr);
  }
  EXPECT_EQ(world::findEventKeyword(""), nullptr);
}

TEST(EventLanguage, a_decimal_value_is_the_leading_number_held_to_the_int32_range) {
  EXPECT_EQ(world::decimalValue("42"), 42);
  EXPECT_EQ(world::decimalValue("  -7x"), -7);
  EXPECT_EQ(world::decimalValue("+08"), 8);
  EXPECT_EQ(world::decimalValue("x5"), 0);
  EXPECT_EQ(world::decimalValue(""), 0);
  EXPECT_EQ(world::decimalValue("99999999999"), INT32_MAX);
  EXPECT_EQ(world::decimalValue("-99999999999999999999999"), INT32_MIN);
}

}  // namespace
