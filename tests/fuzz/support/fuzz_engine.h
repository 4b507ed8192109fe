// fuzz_engine.h -- the engine started once, headless, in a folder of its own, for fuzz targets
#pragma once

#include <string>

namespace fuzzing {

// Makes a scratch folder the working directory and starts the engine there on the
// headless backend (once per process). Message boxes are kept quiet.
void startEngineOnce();
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace fuzzing
