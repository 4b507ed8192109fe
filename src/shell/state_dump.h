// state_dump.h -- the game state as JSON, for tests and replays
#pragma once

#include <string>

namespace shell {

std::string stateDumpJson();
bool writeStateDump(const std::string& path, std::string& error);

}  // namespace shell
