// keywords_test.cpp -- docs/authoring.md names every keyword that the engine reads
#include <gtest/gtest.h>

#include <string>

#include "platform/encoding.h"
#include "support/engine_fixture.h"
#include "world/behaviour_keywords.h"
#include "world/event_language.h"

namespace {

// Each keyword must stand in the reference as code, `KEYWORD` or `KEYWORD ARGS`.
TEST(AuthoringReference, NamesEveryEventAndBehaviourKeyword) {
  const std::string doc = testing_support::readFile(PELMO_SOURCE_DIR "/docs/authoring.md");
  ASSERT_FALSE(doc.empty());
  const auto named = [&doc](const char* cp949) {
    const std::string word = "`" + platform::cp949ToUtf8(cp949);
    return doc.find(word + "`") != std::string::npos || doc.find(word + " ") != std::string::npos;
  };
  for (const world::EventKeyword& k : world::kEventKeywords)
    EXPECT_TRUE(named(k.word)) << platform::cp949ToUtf8(k.word);
  for (const world::BehaviourKeyword& k : world::kBehaviourKeywords)
    EXPECT_TRUE(named(k.word)) << platform::cp949ToUtf8(k.word);
}

}  // namespace
