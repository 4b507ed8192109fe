// process_start.h -- starting a program as a separate process without waiting for it
#pragma once

#include <sys/types.h>

#include <string>

#include "launcher/start_command.h"

namespace launcher {

// Reaps every child as it ends, so none is left behind as a zombie while the launcher
// runs. Call once before the first start.
void installChildReaper();

// Starts the program and returns its process id at once, or -1 with the reason in *error
// (a missing or non-executable program). The child runs in a process group of its own, so
// an interrupt meant for the launcher does not end the game.
pid_t startDetached(const StartCommand& command, std::string* error);

}  // namespace launcher
