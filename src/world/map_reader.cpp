// map_reader.cpp -- the caption line, actor lines and behaviour lists of a map file
#include "world/map_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "actors/actor.h"
#include "gfx/sprite_pack.h"
#include "world/behaviour_keywords.h"
#include "world/event_tables.h"
#include "world/map_messages.h"
#include "world/scene.h"

namespace world {
namespace {

using actors::Actor;

// Tokens other than names: at most 254 bytes.
constexpr size_t kTokenSize = 255;

// "name ,x ,baseY ,speed ,pack ,event ,facing ,mode"; the pack is loaded here and its use
// noted in the Scene.
bool readActorLine(MapText& t, Actor& a, Scene& scene) {
  char pack[kTokenSize];
  const char* comma = text::kNoComma;
  if (!t.token(a.name, sizeof a.name, text::kNameTooLong) || !t.expect(',', comma) ||
      !t.real(a.x) || !t.expect(',', comma) || !t.integer(a.baseY) || !t.expect(',', comma) ||
      !t.real(a.speed) || !t.expect(',', comma) ||
      !t.token(pack, sizeof pack, text::kWordTooLong) || !t.expect(',', comma) ||
      !t.integer(a.eventNumber))
    return false;
  if (a.eventNumber < 0 || a.eventNumber >= kEventCount) return t.fail(text::kEventNumber);
  if (!t.expect(',', comma) || !t.integer(a.facing) || !t.expect(',', comma) || !t.integer(a.mode))
    return false;
  // A pack that does not load leaves the actor with empty frames.
  const bool loaded = a.sprites->load(pack) == gfx::PackLoad::kLoaded;
  const auto known = std::find_if(scene.packs.begin(), scene.packs.end(),
                                  [&](const PackUse& p) { return p.name == pack; });
  if (known == scene.packs.end()) scene.packs.push_back({pack, loaded});
  return true;
}

// One entry into slot i. An unknown keyword uses up its slot and writes nothing.
bool readStep(MapText& t, Actor& a, int i) {
  char word[kTokenSize];
  if (!t.token(word, sizeof word, text::kWordTooLong)) return false;
  const int code = behaviourCode(word);
  if (code == actors::kStepSpeak) {
    // The line after the keyword, its separating blank included; a later speak replaces it.
    a.stepCodes[i] = code;
    a.stepParams[i] = 1;
    return t.restOfLine(a.speech, sizeof a.speech);
  }
  if (code < 0) return true;
  int32_t param = 0;
  if (!t.integer(param)) return false;
  a.stepCodes[i] = code;
  a.stepParams[i] = param;
  return true;
}

bool readSteps(MapText& t, Actor& a) {
  int32_t n = 0;
  if (!t.integer(n)) return false;
  if (n < 0 || n > actors::kMaxSteps) return t.fail(text::kStepCount);
  int i = 0;
  for (; i < n; ++i)
    if (!readStep(t, a, i)) break;
  // The list ends after the last entry read, complete or not.
  a.stepCodes[i] = actors::kStepEnd;
  return !t.failed();
}

}  // namespace

void readCaptionAndActors(MapText& t, Scene& scene) {
  if (!t.lineEnd() || !t.restOfLine(scene.caption, sizeof scene.caption)) return;
  int32_t count = 0;
  if (!t.integer(count)) return;
  if (count < 0 || count > kMaxActors) {
    t.fail(text::kActorCount);
    return;
  }
  // Actors that use the same figure share one reading of its pack.
  const gfx::PackSharing sharing;
  for (int i = 0; i < count; ++i) {
    scene.actors[i] = std::make_unique<Actor>();
    // Counted at once, so a fault inside the record keeps what was read of it.
    scene.actorCount = int8_t(i + 1);
    Actor& a = *scene.actors[i];
    if (!readActorLine(t, a, scene) || !readSteps(t, a)) return;
  }
}

}  // namespace world
