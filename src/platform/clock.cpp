// clock.cpp -- time through the backend
#include "platform/clock.h"

#include "platform/backend.h"
#include "platform/quit.h"

namespace platform {

uint32_t millis() { return backend().millis(); }
void sleepMs(uint32_t ms) {
  if (quitRequested()) return;
  backend().sleepMs(ms);
}

}  // namespace platform
