// message_box.h -- message boxes with an OK button, owned by the game window
#pragma once

#include <string>
#include <vector>

namespace platform {

struct ShownMessage {
  std::string title;  // code page 949, as the game gave it
  std::string text;
};

// Title and text are code page 949 bytes. Waits until the box is answered.
void messageBox(const std::string& title, const std::string& text);
// Every box shown so far, in order (for the state dump and tests).
const std::vector<ShownMessage>& shownMessages();
void clearShownMessages();

}  // namespace platform
