// start_mark.cpp -- stands in for the game behind the launcher: appends "started" and its show
// style to started.txt in the working directory, stays two seconds, and ends
#include <windows.h>

#include <cstdio>

int main() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  if (std::FILE* f = std::fopen("started.txt", "a")) {
    std::fprintf(f, "started %lu show %d\n", GetCurrentProcessId(), show);
    std::fclose(f);
  }
  Sleep(2000);
  return 0;
}
