// audio_state.cpp -- the running game's sound state
#include "audio/music_player.h"

namespace audio {
namespace {
AudioState* bound = nullptr;
}  // namespace

AudioState& audioState() { return *bound; }
void bindAudioState(AudioState* state) { bound = state; }

}  // namespace audio
