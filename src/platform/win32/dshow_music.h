// dshow_music.h -- the music stream on a DirectShow filter graph
#pragma once

#include <memory>

#include "platform/music_stream.h"

namespace platform {

// Null when the filter graph or one of its interfaces cannot be had.
std::unique_ptr<MusicStream> makeDShowMusicStream();

// Window thread, at shutdown: stops and releases every graph still alive. A game thread
// that was stopped wherever it was never destroys its player, and a graph left alive while
// the process ends can take the process down with it.
void releaseAllMusic();

}  // namespace platform
