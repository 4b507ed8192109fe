// autopilot.cpp -- the goals of a plan turned into keys, read by read
#include "autoplay/autopilot.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/encoding.h"
#include "platform/keyboard.h"

namespace autoplay {
namespace {

namespace dik = platform::dik;

void press(uint8_t keys[256], uint8_t code) { keys[code] = 0x80; }

Step done() { return {Outcome::Done, false, ""}; }
Step keep(bool answer = true) { return {Outcome::Keep, answer, ""}; }
Step miss(const std::string& why) { return {Outcome::Fail, false, why}; }

// Walking, turning and talking act only in the frame loop while no event holds the hero.
bool heroFree(const Observation& o) {
  return !o.visual && o.currentEvent == 0 && !o.warpPending && o.hero;
}

}  // namespace

Autopilot::Autopilot(std::vector<Goal> goals, uint64_t budget)
    : goals_(std::move(goals)), budget_(budget) {}

void Autopilot::decide(const Observation& o, uint8_t keys[256]) {
  if (failed()) return;
  const bool frameRead = !o.visual;
  // Each map starts at brightness 2 with the talk key's history cleared. No other
  // frame-loop read sees 2 without a warp pending: the fade-out has one, and the
  // return from a cut-scene has faded up to 4 before the next read.
  if (frameRead && o.brightness == 2 && !o.warpPending) {
    ++scene_;
    spaceUp_ = kTalkGap;
  }
  while (next_ < goals_.size()) {
    const Goal& g = goals_[next_];
    if (!state_.begun) state_ = GoalState{true, 0, 0, scene_, 0};
    Step s = step(g, o, keys);
    if (s.outcome == Outcome::Keep && ++state_.reads > budgetFor(g))
      s = miss("did not complete within " + std::to_string(budgetFor(g)) + " reads");
    if (s.outcome == Outcome::Fail) {
      // The game is stopped at its next blocking call; no key goes down meanwhile.
      std::memset(keys, 0, 256);
      return fail(g, s.why, o);
    }
    if (s.outcome == Outcome::Keep) {
      if (s.answer) answerPrompt(o, keys);
      break;
    }
    // Done: the next goal decides this same read afresh.
    std::memset(keys, 0, 256);
    ++next_;
    state_ = GoalState{};
  }
  if (next_ == goals_.size()) {
    // The plan is through: answer what the game still asks until it ends.
    answerPrompt(o, keys);
    if (++afterPlanReads_ > budget_) {
      const int last = goals_.empty() ? 0 : goals_.back().line;
      failure_ = "the plan ended (last goal on line " + std::to_string(last) +
                 ") but the game did not end within " + std::to_string(budget_) + " reads (" +
                 describe(o) + ")";
      std::memset(keys, 0, 256);
      return;
    }
  }
  if (frameRead) spaceUp_ = keys[dik::SPACE] ? 0 : spaceUp_ + 1;
}

Step Autopilot::step(const Goal& g, const Observation& o, uint8_t keys[256]) {
  switch (g.kind) {
    case GoalKind::WalkTo:
      return walkTo(g, o, keys);
    case GoalKind::WalkUntilMap:
      if (!o.visual && scene_ != state_.scene && o.mapName == g.map) return done();
      // Held through events and warps too: the frame loop ignores it meanwhile.
      press(keys, g.right ? dik::RIGHT : dik::LEFT);
      return keep();
    case GoalKind::Face:
      return face(g, o, keys);
    case GoalKind::Talk:
      return talk(o, keys);
    case GoalKind::WaitEvent:
      return eventOver(o);
    case GoalKind::Wait:
      if (state_.waited >= g.count) return done();
      ++state_.waited;
      return keep(false);
    case GoalKind::ExpectFlag:
    case GoalKind::ExpectMap:
      return expect(g, o);
  }
  return miss("unknown goal");
}

Step Autopilot::walkTo(const Goal& g, const Observation& o, uint8_t keys[256]) {
  if (scene_ != state_.scene) return miss("the map changed before the hero got there");
  if (!heroFree(o)) return keep();
  // A step of the walking speed always lands inside a window twice as wide.
  const double tolerance = std::max(1.0, o.heroSpeed / 2);
  const double distance = g.x - o.heroX;
  if (std::fabs(distance) <= tolerance) return done();
  press(keys, distance > 0 ? dik::RIGHT : dik::LEFT);
  return keep();
}

Step Autopilot::face(const Goal& g, const Observation& o, uint8_t keys[256]) {
  if (state_.phase == 1) {
    if (o.heroFacingRight == g.right) return done();
    return miss("the hero did not turn");
  }
  if (!heroFree(o)) return keep();
  if (o.heroFacingRight == g.right) return done();
  press(keys, g.right ? dik::RIGHT : dik::LEFT);
  state_.phase = 1;
  return keep(false);
}

Step Autopilot::talk(const Observation& o, uint8_t keys[256]) {
  if (state_.phase == 1) return eventOver(o);
  if (!heroFree(o) || spaceUp_ < kTalkGap) return keep();
  if (o.partner < 0) return miss("nobody to talk to within reach");
  press(keys, dik::SPACE);
  state_.phase = 1;
  state_.scene = scene_;
  return keep(false);
}

// Done once no event runs in the frame loop, or once another map has started.
Step Autopilot::eventOver(const Observation& o) const {
  if (scene_ != state_.scene) return done();
  if (!o.visual && o.currentEvent == 0 && !o.warpPending) return done();
  return keep();
}

Step Autopilot::expect(const Goal& g, const Observation& o) const {
  if (g.kind == GoalKind::ExpectMap) {
    if (o.mapName == g.map) return done();
    return miss("the map is '" + platform::cp949ToUtf8(o.mapName) + "'");
  }
  const int32_t v = o.flags[g.count];
  if (v == g.value) return done();
  return miss("flag " + std::to_string(g.count) + " is " + std::to_string(v));
}

// A cut-scene takes Space at once; a balloon only once the talk key has been up long enough.
void Autopilot::answerPrompt(const Observation& o, uint8_t keys[256]) const {
  if (o.visual) {
    if (o.visualWaiting) press(keys, dik::SPACE);
  } else if (o.textIndex != -1 && o.textShown && spaceUp_ >= kTalkGap) {
    press(keys, dik::SPACE);
  }
}

void Autopilot::finish(const Observation& end) {
  if (failed()) return;
  for (; next_ < goals_.size(); ++next_, state_ = GoalState{}) {
    const Goal& g = goals_[next_];
    if (end.gameRunning) return fail(g, "the game stopped before this goal completed", end);
    const bool talking = g.kind == GoalKind::Talk && state_.phase == 1;
    if (talking || g.kind == GoalKind::WaitEvent) continue;
    if (g.kind != GoalKind::ExpectFlag && g.kind != GoalKind::ExpectMap)
      return fail(g, "the game ended before this goal completed", end);
    const Step s = expect(g, end);
    if (s.outcome == Outcome::Fail) return fail(g, s.why, end);
  }
  if (end.gameRunning) {
    failure_ = "the game stopped without the game-end command (" + describe(end) + ")";
    return;
  }
  succeeded_ = true;
}

void Autopilot::fail(const Goal& g, const std::string& why, const Observation& o) {
  failure_ =
      "line " + std::to_string(g.line) + ": '" + g.text + "': " + why + " (" + describe(o) + ")";
}

uint64_t Autopilot::budgetFor(const Goal& g) const {
  return budget_ + (g.kind == GoalKind::Wait ? uint64_t(g.count) : 0);
}

}  // namespace autoplay
