// event_interpreter.h -- running the current event, one step a frame
#pragma once

namespace world {

// Performs at most one step of the running event (a camera step goes straight
// on to the step after it). Does nothing while no event runs, while a text
// balloon is open or while a warp is pending. False when the step ended the game: the
// frame loop then stops at its next test.
bool runEventStep();

}  // namespace world
