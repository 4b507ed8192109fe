// headless_backend.h -- no window, no sound device, virtual time; flips do not wait
#pragma once

#include <memory>

#include "platform/backend.h"

namespace platform {

std::unique_ptr<Backend> makeHeadlessBackend();

}  // namespace platform
