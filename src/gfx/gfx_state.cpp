// gfx_state.cpp -- the running game's drawing state
#include "gfx/gfx_state.h"

namespace gfx {
namespace {
GfxState* bound = nullptr;
}  // namespace

GfxState& gfxState() { return *bound; }
void bindGfxState(GfxState* state) { bound = state; }

}  // namespace gfx
