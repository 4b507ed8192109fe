// actors_state.cpp -- the running game's actors' state
#include "actors/actors_state.h"

namespace actors {
namespace {
ActorsState* bound = nullptr;
}  // namespace

ActorsState& actorsState() { return *bound; }
void bindActorsState(ActorsState* state) { bound = state; }

}  // namespace actors
