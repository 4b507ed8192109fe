// process_start.cpp -- posix_spawn without waiting, and a SIGCHLD handler that reaps
#include "launcher/process_start.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

namespace launcher {

namespace {

void reapChildren(int) {
  const int savedErrno = errno;
  while (waitpid(-1, nullptr, WNOHANG) > 0) {
  }
  errno = savedErrno;
}

// The launcher's own descriptors (the display connection among them) stay with it.
void closeLauncherFiles(posix_spawn_file_actions_t* actions) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(actions, 3);
#else
  (void)actions;
#endif
}

}  // namespace

void installChildReaper() {
  struct sigaction action {};
  action.sa_handler = reapChildren;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
  sigaction(SIGCHLD, &action, nullptr);
  reapChildren(0);  // children that ended before the handler was there
}

pid_t startDetached(const StartCommand& command, std::string* error) {
  std::vector<char*> argv;
  for (const std::string& arg : command.args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setpgroup(&attr, 0);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  closeLauncherFiles(&actions);

  pid_t pid = -1;
  const char* program = command.program.c_str();
  const int result = command.searchPath
                         ? posix_spawnp(&pid, program, &actions, &attr, argv.data(), environ)
                         : posix_spawn(&pid, program, &actions, &attr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (result != 0) {
    if (error) *error = command.program + ": " + std::strerror(result);
    return -1;
  }
  return pid;
}

}  // namespace launcher
