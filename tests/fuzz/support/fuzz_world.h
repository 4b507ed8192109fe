// fuzz_world.h -- the data a whole game needs, written once into the fuzz folder
#pragma once

#include <string>

namespace fuzzing {

// A pack of `frames` frames of w x h, frame f in colour base + f.
void writeSolidPack(const std::string& name, int frames, int w, int h, int base);
// The hero "CHAR1", the packs "cursor", "bubble" and "MAN", the far layer "bg", the status bar, the
// map picture "map\bg.res" and the cut-scene "v" with its picture and palette, and the music
// "1.mp3".
void writeWorldData();
// Starts the engine (startEngineOnce) and writes the world data, both once per process; true
// only on the first call, so that the target adds its own files then.
bool startWorldOnce();

}  // namespace fuzzing
