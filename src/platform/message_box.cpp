// message_box.cpp -- message boxes through the backend, each one recorded
#include "platform/message_box.h"

#include "platform/backend.h"
#include "platform/encoding.h"
#include "platform/quit.h"

namespace platform {
namespace {
std::vector<ShownMessage>& shown() {
  static std::vector<ShownMessage> list;
  return list;
}
}  // namespace

void messageBox(const std::string& title, const std::string& text) {
  // Once the game is to stop, no box is shown any more.
  if (quitRequested()) return;
  shown().push_back({title, text});
  if (hasBackend()) backend().messageBox(cp949ToUtf8(title), cp949ToUtf8(text));
}

const std::vector<ShownMessage>& shownMessages() { return shown(); }

void clearShownMessages() { shown().clear(); }

}  // namespace platform
