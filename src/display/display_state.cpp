// display_state.cpp -- the running game's display state
#include "display/display_state.h"

namespace display {
DisplayState::~DisplayState() {
  if (PrimarySurface && platform::screenSurface() == PrimarySurface.get())
    platform::setScreenSurface(nullptr);
}

}  // namespace display
