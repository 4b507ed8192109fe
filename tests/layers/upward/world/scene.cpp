#include "actors/actor.h"
#include "visual/visual_mode.h"
