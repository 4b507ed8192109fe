// headless_backend.h -- no window, no sound device, virtual time; flips do not wait
#pragma once

#include <memory>

#include "platform/backend.h"

namespace platform {

// Quiet: message boxes are only recorded, not written to stderr.
std::unique_ptr<Backend> makeHeadlessBackend(bool quiet = false);

}  // namespace platform
