// web_music.h -- the music through the page's Web Audio
#pragma once

#include <memory>

#include "platform/music_stream.h"

namespace platform {

// Null when the browser has no Web Audio. Browsers let sound out only after the player's
// first key or click; until then the music runs silent and its position stays at 0.
std::unique_ptr<MusicStream> makeWebMusicStream();

}  // namespace platform
