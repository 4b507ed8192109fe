// virtual_music.h -- a music stream that plays in virtual time: 1/60 second per presented frame
#pragma once

#include <cstdint>
#include <memory>

#include "platform/music_stream.h"

namespace platform {

std::unique_ptr<MusicStream> makeVirtualMusicStream();

}  // namespace platform
