// state_dump.h -- the game state as JSON, for tests and replays
#pragma once

#include <string>

namespace shell {

std::string stateDumpJson();
// From now on, the dump of the moment the game first sees a quit request is kept, and
// writeStateDump writes it instead of the state that the unwinding game leaves.
void keepStateDumpAtStop();
// False with "PATH: reason" when the file cannot be written whole.
bool writeStateDump(const std::string& path, std::string& error);

}  // namespace shell
