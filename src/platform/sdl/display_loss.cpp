// display_loss.cpp -- an X connection that breaks ends the process at once
#include "platform/sdl/display_loss.h"

#include <unistd.h>

#ifdef PELMO_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace platform {
namespace {

#ifdef PELMO_HAVE_X11
// Xlib ends the process when this returns, through exit(), after its own message; the
// game ends it here instead, as one line, and calls nothing more of Xlib or SDL.
int onXConnectionLost(Display*) {
  constexpr char kMessage[] = "game: the connection to the display was lost\n";
  [[maybe_unused]] const ssize_t n = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
  _exit(1);
}
#endif

}  // namespace

void endOnDisplayLoss() {
#ifdef PELMO_HAVE_X11
  XSetIOErrorHandler(onXConnectionLost);
#endif
}

}  // namespace platform
