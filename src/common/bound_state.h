// bound_state.h -- the one state of a subsystem that the game object binds while it lives
#pragma once

namespace common {

// The game object owns one State of each subsystem and binds it; the subsystem's
// functions reach it through get(). One game lives at a time: the program's or a test's.
template <typename State>
class Bound {
 public:
  static State& get() { return *current_; }
  // False outside a game: for the few callers that also serve the tools and bare tests.
  static bool bound() { return current_ != nullptr; }
  static void bind(State* state) { current_ = state; }

 private:
  static inline State* current_ = nullptr;
};

}  // namespace common
