// shell_state.cpp -- the running game's shell state
#include "shell/shell_state.h"

namespace shell {
namespace {
ShellState* bound = nullptr;
}  // namespace

ShellState& shellState() { return *bound; }
void bindShellState(ShellState* state) { bound = state; }

}  // namespace shell
