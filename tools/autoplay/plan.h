// plan.h -- autoplay plans: one goal a line, read from UTF-8 text
#pragma once

#include <string>
#include <vector>

namespace autoplay {

enum class GoalKind {
  WalkTo,        // walk-to X
  WalkUntilMap,  // walk-right-until-map NAME, walk-left-until-map NAME
  Face,          // face left|right
  Talk,          // talk
  WaitEvent,     // wait-event
  Wait,          // wait N
  ExpectFlag,    // expect-flag F V
  ExpectMap,     // expect-map NAME
};

struct Goal {
  GoalKind kind = GoalKind::Wait;
  int line = 0;        // line of the plan file, from 1
  std::string text;    // the line as written, without its comment
  double x = 0;        // walk-to
  bool right = false;  // the direction of a walk or a turn
  int count = 0;       // wait: frames; expect-flag: the flag
  int value = 0;       // expect-flag: the value
  std::string map;     // code page 949, as the game holds map names
};

// Reads a whole plan. On a bad line, returns false with error "line N: why".
bool parsePlan(const std::string& text, std::vector<Goal>& goals, std::string& error);

// The goals and their arguments, for --help.
extern const char* const kPlanHelp;

}  // namespace autoplay
