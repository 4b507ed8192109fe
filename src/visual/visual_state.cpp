// visual_state.cpp -- the running game's cut-scene state
#include "visual/visual_mode.h"

namespace visual {
namespace {
VisualState* bound = nullptr;
}  // namespace

VisualState& visualState() { return *bound; }
void bindVisualState(VisualState* state) { bound = state; }

}  // namespace visual
