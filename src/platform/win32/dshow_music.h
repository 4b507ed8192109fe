// dshow_music.h -- the music stream on a DirectShow filter graph
#pragma once

#include <memory>

#include "platform/music_stream.h"

namespace platform {

// Null when the filter graph or one of its interfaces cannot be had.
std::unique_ptr<MusicStream> makeDShowMusicStream();

}  // namespace platform
