// map_reader.h -- the caption and actor sections of a map file
#pragma once

#include "world/map_text.h"

namespace world {

struct Scene;

// Reads the line end after the background name, the caption line, the actor
// count and the actor records with their behaviour lists into scene. Stops at
// the first fault (kept in text), with every actor read so far counted.
void readCaptionAndActors(MapText& text, Scene& scene);

}  // namespace world
