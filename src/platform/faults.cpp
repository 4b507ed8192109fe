// faults.cpp -- the injected failures
#include "platform/faults.h"

namespace platform {
namespace {
Faults current;
}
Faults& faults() { return current; }
void resetFaults() { current = Faults{}; }
}  // namespace platform
