// start_command.h -- the programs the launcher's buttons start, as argument lists
#pragma once

#include <string>
#include <vector>

namespace launcher {

// The game is installed under this name beside the launcher's read-me.
inline constexpr char GameCommandLine[] = "game.ex";
// The makers have no page of their own yet; example.org is reserved for such stand-ins.
inline constexpr char HomePageAddress[] = "https://example.org/";
// The desktop's default handler for a web address.
inline constexpr char AddressOpener[] = "xdg-open";

struct StartCommand {
  std::string program;            // the file to run
  std::vector<std::string> args;  // argv, starting with the program's own name
  bool searchPath = false;        // look the program up in PATH
};

// The game in the working directory: never a program of the same name found in PATH.
StartCommand gameCommand(const std::string& commandLine = GameCommandLine);
// The address opener with the address as its single argument, whatever characters it holds.
StartCommand homePageCommand(const std::string& address = HomePageAddress);

}  // namespace launcher
