// autopilot.h -- plays a plan's goals one keyboard read at a time
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "autoplay/observation.h"
#include "autoplay/plan.h"

namespace autoplay {

// Frames that Space must stay up before a press acts (the talk key's history is 8 bits).
constexpr int kTalkGap = 8;
constexpr uint64_t kDefaultBudget = 20000;

// What one goal makes of one read.
enum class Outcome { Keep, Done, Fail };
struct Step {
  Outcome outcome = Outcome::Keep;
  bool answer = true;  // answer a shown balloon or a cut-scene's key wait meanwhile
  std::string why;     // of a failure
};

class Autopilot {
 public:
  // budget: keyboard reads that one goal may take (a wait gets its own frames on top).
  Autopilot(std::vector<Goal> goals, uint64_t budget);

  // The keys of one read, from what the game shows just before it. keys comes cleared.
  void decide(const Observation& o, uint8_t keys[256]);
  // After the game has stopped: the goals that the game end completes, and the verdict.
  void finish(const Observation& end);

  bool failed() const { return !failure_.empty(); }
  bool succeeded() const { return succeeded_; }
  // "line N: 'goal': why (state)", or about the plan's end.
  const std::string& failure() const { return failure_; }

 private:
  struct GoalState {
    bool begun = false;
    int phase = 0;
    uint64_t reads = 0;
    uint64_t scene = 0;  // the scene in which the goal began (or its talk started)
    int waited = 0;
  };

  Step step(const Goal& g, const Observation& o, uint8_t keys[256]);
  Step walkTo(const Goal& g, const Observation& o, uint8_t keys[256]);
  Step face(const Goal& g, const Observation& o, uint8_t keys[256]);
  Step talk(const Observation& o, uint8_t keys[256]);
  Step eventOver(const Observation& o) const;
  Step expect(const Goal& g, const Observation& o) const;
  void answerPrompt(const Observation& o, uint8_t keys[256]) const;
  void fail(const Goal& g, const std::string& why, const Observation& o);
  uint64_t budgetFor(const Goal& g) const;

  std::vector<Goal> goals_;
  uint64_t budget_;
  size_t next_ = 0;
  GoalState state_;
  uint64_t scene_ = 0;      // scenes started so far
  int spaceUp_ = kTalkGap;  // frame-loop reads since Space was last down
  uint64_t afterPlanReads_ = 0;
  std::string failure_;
  bool succeeded_ = false;
};

}  // namespace autoplay
