// startup.h -- bringing the engine up and down
#pragma once

namespace shell {

// Display, keyboard, palette, fonts and the four pages. 1 on success; 0 after
// the failure's message box.
int StartUpEngine();
void ShutDownEngine();

}  // namespace shell
