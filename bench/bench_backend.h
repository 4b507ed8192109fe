// bench_backend.h -- a backend without a window that still does the presenter's conversion
#pragma once

#include <memory>

#include "platform/backend.h"

namespace bench {

// Every shown screen is converted to 32-bit colour, as the window's presenter
// does, into memory of its own; flips do not wait; time counts presented frames.
std::unique_ptr<platform::Backend> makeArgbBackend();

}  // namespace bench
