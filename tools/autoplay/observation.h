// observation.h -- what autoplay looks at in the running game before each keyboard read
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace autoplay {

struct Observation {
  uint64_t read = 0;    // the keyboard read about to be answered
  bool visual = false;  // a cut-scene reads the keyboard, not the frame loop
  bool visualWaiting = false;
  int currentEvent = 0;
  int currentStep = 0;
  bool warpPending = false;
  int brightness = 0;
  bool gameRunning = true;
  int textIndex = -1;
  bool textShown = false;
  bool hero = false;  // the fields below hold only while the hero exists
  double heroX = 0;
  double heroSpeed = 0;
  bool heroFacingRight = false;
  bool heroBusy = false;
  int partner = -1;     // the map actor that the talk key would reach, or -1
  std::string mapName;  // code page 949
  std::array<int32_t, 100> flags{};
};

// The game's state now: from the key provider while it plays, or after it has stopped.
Observation observeGame(uint64_t read);

// One line for messages: map, hero, event, balloon, cut-scene.
std::string describe(const Observation& o);

}  // namespace autoplay
