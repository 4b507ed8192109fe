// wav_file.h -- writing a recording as a 44.1 kHz 16-bit stereo WAV file
#pragma once

#include <string>

#include "synth/render.h"

namespace synth {

bool writeWav(const std::string& path, const Recording& recording, std::string& error);

}  // namespace synth
