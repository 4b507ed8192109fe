// display_loss.h -- the end of the game when its display server goes away
#pragma once

namespace platform {

// When the connection to the display server is lost, nothing more can be drawn and the
// window system's libraries cannot be called again: the game says so on stderr and ends
// at once with status 1, without running anything that might touch the dead display.
void endOnDisplayLoss();

}  // namespace platform
