// win32_start.h -- running a command line as the launcher's buttons do, without waiting
#pragma once

#include <string>

namespace launcher {

// Runs the command line with the given window show style (SW_...). False with the
// system's reason in *error when it cannot be started.
bool runCommandLine(const std::wstring& commandLine, int showStyle, std::string* error);

// The home page is opened by the system's file explorer, given the address: the explorer of
// the system's own Windows folder, wherever Windows was installed.
std::wstring explorerCommandLine(const std::string& address);

}  // namespace launcher
