// start_command.cpp -- building the argument lists of the game and the home page
#include "launcher/start_command.h"

#include <unistd.h>

namespace launcher {

StartCommand gameCommand(const std::string& commandLine) {
  StartCommand command;
  // A bare name is taken from the working directory, as the launcher's own system does;
  // a name with a slash already says where the program lies.
  const bool hasDirectory = commandLine.find('/') != std::string::npos;
  command.program = hasDirectory ? commandLine : "./" + commandLine;
  command.args = {commandLine};
  return command;
}

StartCommand gameCommandIn(const std::string& programFolder) {
  // A game.ex that cannot run is still the one meant: its start fails with its own reason.
  if (access(GameCommandLine, F_OK) == 0) return gameCommand();
  StartCommand command;
  command.program = programFolder + "/" + InstalledGameName;
  command.args = {InstalledGameName};
  return command;
}

StartCommand homePageCommand(const std::string& address) {
  StartCommand command;
  command.program = AddressOpener;
  command.args = {AddressOpener, address};
  command.searchPath = true;
  return command;
}

}  // namespace launcher
