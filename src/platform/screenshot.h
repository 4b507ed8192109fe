// screenshot.h -- the player's screenshots: the screen as shown, kept as PNG files
#pragma once

#include <string>

namespace platform {

// Writes the screen with its current palette (what --shot writes) as a new PNG in
// screenshotFolder(), named by the date and a counter, never over another file. path is
// the file written; false with a message when none could be.
bool saveScreenshot(std::string& path, std::string& error);

}  // namespace platform
