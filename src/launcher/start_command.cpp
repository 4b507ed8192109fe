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
  const std::string folder = programFolder.empty() ? "." : programFolder;
  // A game.ex that cannot run is still the one meant: its start fails with its own reason.
  // The installed name comes before the build's, which is a common word in a system's
  // bin folder; with none of the three, the installed name is the one a failure names.
  const char* name = InstalledGameName;
  for (const char* candidate : {GameCommandLine, InstalledGameName, BuiltGameName}) {
    if (access((folder + "/" + candidate).c_str(), F_OK) == 0) {
      name = candidate;
      break;
    }
  }
  StartCommand command;
  command.program = folder + "/" + name;
  command.args = {name};
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
