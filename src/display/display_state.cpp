// display_state.cpp -- the running game's display state
#include "display/display_state.h"

namespace display {
namespace {
DisplayState* bound = nullptr;
}  // namespace

DisplayState::~DisplayState() {
  if (PrimarySurface && platform::screenSurface() == PrimarySurface.get())
    platform::setScreenSurface(nullptr);
}

DisplayState& displayState() { return *bound; }
void bindDisplayState(DisplayState* state) { bound = state; }

}  // namespace display
