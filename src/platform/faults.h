// faults.h -- failures injected on demand, so that the game's failure paths can be tested
#pragma once

namespace platform {

struct Faults {
  bool displayDevice = false;   // the display device cannot be created
  bool keyboardDevice = false;  // the keyboard device cannot be created
  bool soundDevice = false;     // no sound device: no music stream can be made
  int failSurfaceOfSize = 0;    // surfaces this many rows high cannot be created (0: none)
  int failRowTableNumber = 0;   // the Nth row table (from 1) cannot be allocated (0: none)
  int rowTablesMade = 0;        // counts towards failRowTableNumber
};

Faults& faults();
void resetFaults();

}  // namespace platform
