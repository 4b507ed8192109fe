// sdl_music.h -- the music stream on SDL2_mixer
#pragma once

#include <memory>

#include "platform/music_stream.h"

namespace platform {

// Null when no sound device can be opened.
std::unique_ptr<MusicStream> makeSdlMusicStream();

}  // namespace platform
