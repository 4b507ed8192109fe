// events_fuzz.cpp -- map files of any content played as the game plays them: the entry event,
// talks, walks, balloons, flags, jumps, warps, cut-scenes and the game end, for a bounded number of
// keyboard reads (fewer once nothing is under way), then Escape
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/common_resources.h"
#include "audio/music_player.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "support/fuzz_engine.h"
#include "support/fuzz_world.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using namespace platform::dik;

// Reads of one input at most; a warp to a map that warps again still ends here.
constexpr uint64_t kReads = 150;
// Most inputs end sooner, from this read on, at the first read that finds nothing under way or
// nothing new for kStaleReads reads: every read draws and presents a whole frame, the bulk of an
// input's time, and most mutations leave the map idle or going round the same steps.
constexpr uint64_t kQuietReads = 10;
constexpr uint64_t kStaleReads = 30;
// One input in this many plays all its reads whatever happens, as every input once did: the
// hero's long walks, the music keys, fast-forward and the once-a-second work stay reachable.
constexpr uint32_t kLongEvery = 32;
bool playsAllReads = false;
uint64_t firstRead = 0;
// Drawn from the input's bytes, so that inputs differ in their timing too.
uint32_t variant = 0;

// No event, text balloon, walk or warp under way.
bool worldIdle() {
  const world::WorldState& w = world::worldState();
  return w.CurrentEvent == 0 && w.WarpPending == 0 && w.TextIndex < 0 && w.WalkCounter < 0;
}

// The steps of the running map's events an input has reached, each with its balloon's text
// still coming or shown in full, and the read that reached the last new one.
class Progress {
 public:
  void start(uint64_t read) {
    seen_.assign(seen_.size(), false);
    newAt_ = read;
    warping_ = false;
  }
  void observe(uint64_t read) {
    const world::WorldState& w = world::worldState();
    if (warping_ && !w.WarpPending) start(read);  // the next map has begun
    warping_ = w.WarpPending != 0;
    if (w.CurrentEvent < 0 || w.CurrentEvent >= world::kEventCount || w.CurrentStep < 0 ||
        w.CurrentStep >= world::kStepCount)
      return;
    const size_t at = (size_t(w.CurrentEvent) * world::kStepCount + size_t(w.CurrentStep)) * 2 +
                      (w.TextShown != 0);
    if (!seen_[at]) seen_[at] = true, newAt_ = read;
  }
  bool stale(uint64_t read) const { return read - newAt_ >= kStaleReads; }

 private:
  std::vector<bool> seen_ = std::vector<bool>(size_t(world::kEventCount) * world::kStepCount * 2);
  uint64_t newAt_ = 0;
  bool warping_ = false;
};
Progress progress;

// The hero walks right, then left; Space is pressed every 9 to 13 reads, long enough apart to
// act; F1 and F2 stop and run the music, and some inputs hold Left Control for a while (the
// presentation without a flip); at the end Escape leaves the map and 1 leaves a cut-scene.
void keys(uint64_t read, uint8_t state[256]) {
  const uint64_t r = read - firstRead;
  progress.observe(r);
  if (r >= kReads || (!playsAllReads && r >= kQuietReads && (worldIdle() || progress.stale(r)))) {
    state[ESCAPE] = state[KEY_1] = 0x80;
    return;
  }
  state[r < 30 + variant % 60 ? RIGHT : LEFT] = (r % 40) < 30 ? 0x80 : 0;
  if (r % (9 + variant % 5) == 0) state[SPACE] = 0x80;
  if (r == 45) state[F1] = 0x80;
  if (r == 50) state[F2] = 0x80;
  if (variant % 3 == 0 && r >= 20 && r < 40) state[LCONTROL] = 0x80;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (fuzzing::startWorldOnce()) {
    actors::loadCommonResources();
    audio::audioState().Music = std::make_unique<audio::MusicPlayer>();
    audio::audioState().Music->Open("1.mp3");
    platform::setKeyProvider(keys);
  }
  fuzzing::writeFile("map/f.if", std::string(reinterpret_cast<const char*>(data), size));
  std::strcpy(shell::shellState().MapName, "f");
  shell::shellState().GameRunning = 1;
  std::fill(world::worldState().EventFlags, world::worldState().EventFlags + world::kFlagCount, 0);
  actors::actorsState().Hero->x = 10.0f;
  actors::actorsState().Hero->busy = 0;
  variant = 0;
  for (size_t i = 0; i < size; ++i) variant = variant * 31 + data[i];
  playsAllReads = (variant >> 8) % kLongEvery == 0;
  firstRead = platform::keyboardReads();
  progress.start(0);
  shell::runSceneCycle();
  world::deleteCurrentScene();
  // The boxes of broken maps are kept for the state dump; here they would pile up from input
  // to input, and libFuzzer would run each input again to look for a leak.
  platform::clearShownMessages();
  return 0;
}
