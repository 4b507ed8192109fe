// plan.cpp -- reading autoplay plans
#include "autoplay/plan.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "common/cli.h"
#include "platform/encoding.h"

namespace autoplay {

const char* const kPlanHelp =
    "  walk-to X                   hold Right or Left until the hero's x is within 1\n"
    "                              pixel of X (no key while an event runs)\n"
    "  walk-right-until-map NAME   hold Right (Left) until map NAME has been loaded\n"
    "  walk-left-until-map NAME\n"
    "  face left|right             tap that arrow for one frame (nothing when the hero\n"
    "                              already faces that way)\n"
    "  talk                        press Space at the actor in reach, then answer the\n"
    "                              conversation until no event runs, the map changes or\n"
    "                              the game ends\n"
    "  wait-event                  the same without the first press\n"
    "  wait N                      N keyboard reads with no key at all\n"
    "  expect-flag F V             fail unless flag F (0 to 99) holds V\n"
    "  expect-map NAME             fail unless the current map is NAME\n";

namespace {

constexpr int kMaxMapName = 254;
constexpr int kMaxWait = 100000000;

bool parseX(const std::string& token, double& x) {
  char* end = nullptr;
  x = std::strtod(token.c_str(), &end);
  return !token.empty() && *end == '\0' && std::isfinite(x) && std::fabs(x) < 1e6;
}

// The arguments of one goal; false with why.
bool readArguments(const std::string& word, std::istringstream& in, Goal& g, std::string& why) {
  std::string a, b;
  const auto mapArgument = [&] {
    if (!(in >> a)) return why = "missing map name", false;
    g.map = platform::utf8ToCp949(a);
    if (g.map.size() > kMaxMapName) return why = "map name too long", false;
    return true;
  };
  if (word == "walk-to") {
    g.kind = GoalKind::WalkTo;
    if (!(in >> a) || !parseX(a, g.x)) return why = "expected an x after walk-to", false;
  } else if (word == "walk-right-until-map" || word == "walk-left-until-map") {
    g.kind = GoalKind::WalkUntilMap;
    g.right = word == "walk-right-until-map";
    return mapArgument();
  } else if (word == "face") {
    g.kind = GoalKind::Face;
    if (!(in >> a) || (a != "left" && a != "right")) return why = "expected left or right", false;
    g.right = a == "right";
  } else if (word == "talk") {
    g.kind = GoalKind::Talk;
  } else if (word == "wait-event") {
    g.kind = GoalKind::WaitEvent;
  } else if (word == "wait") {
    g.kind = GoalKind::Wait;
    if (!(in >> a) || !tools::parseInt(a, 0, kMaxWait, g.count))
      return why = "expected a number of frames", false;
  } else if (word == "expect-flag") {
    g.kind = GoalKind::ExpectFlag;
    if (!(in >> a >> b) || !tools::parseInt(a, 0, 99, g.count) ||
        !tools::parseInt(b, INT_MIN, INT_MAX, g.value))
      return why = "expected a flag 0 to 99 and a value", false;
  } else if (word == "expect-map") {
    g.kind = GoalKind::ExpectMap;
    return mapArgument();
  } else {
    return why = "unknown goal '" + word + "'", false;
  }
  return true;
}

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

bool parsePlan(const std::string& text, std::vector<Goal>& goals, std::string& error) {
  goals.clear();
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    line = trimmed(line.substr(0, line.find('#')));
    std::istringstream in(line);
    std::string word, extra, why;
    if (!(in >> word)) continue;
    Goal g;
    g.line = number;
    g.text = line;
    if (readArguments(word, in, g, why) && in >> extra) why = "unexpected '" + extra + "'";
    if (!why.empty()) {
      error = "line " + std::to_string(number) + ": " + why;
      return false;
    }
    goals.push_back(g);
  }
  return true;
}

}  // namespace autoplay
