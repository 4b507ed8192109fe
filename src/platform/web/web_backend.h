// web_backend.h -- the backend of the browser edition: a canvas, DOM keys, Web Audio
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace platform {

// The page chooses the clock: its real 60 Hz one, or the headless mode's virtual one for
// checks that must agree with the headless build frame for frame.
std::unique_ptr<Backend> makeWebBackend(std::string& error);

}  // namespace platform
