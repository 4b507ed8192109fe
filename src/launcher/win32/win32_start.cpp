// win32_start.cpp -- CreateProcess with a show style, the process left to itself
#include "launcher/win32/win32_start.h"

#include <windows.h>

#include <vector>

namespace launcher {

bool runCommandLine(const std::string& commandLine, int showStyle, std::string* error) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = WORD(showStyle);
  PROCESS_INFORMATION process{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');  // CreateProcess may write into the command line
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    if (error) {
      char text[256] = {};
      FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     GetLastError(), 0, text, sizeof text, nullptr);
      *error = text;
      while (!error->empty() && (error->back() == '\n' || error->back() == '\r')) error->pop_back();
    }
    return false;
  }
  // The launcher does not wait for the game, nor keep its handles.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace launcher
