// start_command.h -- the programs the launcher's buttons start, as argument lists
#pragma once

#include <string>
#include <vector>

namespace launcher {

// The game is installed under this name beside the launcher's read-me.
inline constexpr char GameCommandLine[] = "game.ex";
// A system-wide install puts the game beside the launcher under this name, and the read-me
// in a data folder of its own.
inline constexpr char InstalledGameName[] = "pelmo";
// The build puts the game beside the launcher under its target's name.
inline constexpr char BuiltGameName[] = "game";
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
// The game beside the launcher, in programFolder (its own folder): game.ex when it is there,
// else the installed pelmo, else the build's game. Never a program of the working folder,
// which may be anyone's; an empty programFolder (the system cannot tell) stands for it.
StartCommand gameCommandIn(const std::string& programFolder);
// The address opener with the address as its single argument, whatever characters it holds.
StartCommand homePageCommand(const std::string& address = HomePageAddress);

}  // namespace launcher
