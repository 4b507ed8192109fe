// win32_start.cpp -- CreateProcess with a show style, the process left to itself
#include "launcher/win32/win32_start.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace launcher {

bool runCommandLine(const std::wstring& commandLine, int showStyle, std::string* error) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = WORD(showStyle);
  PROCESS_INFORMATION process{};
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');  // CreateProcess may write into the command line
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
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

std::wstring explorerCommandLine(const std::string& address) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  // Where the system cannot say, the bare name, which its search finds in the same folder.
  const std::wstring explorer = length > 0 && length < MAX_PATH
                                    ? L"\"" + std::wstring(folder) + L"\\explorer.exe\""
                                    : std::wstring(L"explorer.exe");
  return explorer + L" " + platform::wideFromSystem(address);
}

}  // namespace launcher
