// live_reload.cpp -- watching the running map's files and loading the map again in place
#include "shell/live_reload.h"

#include <algorithm>
#include <memory>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/data_file.h"
#include "platform/encoding.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "platform/terminal_text.h"
#include "shell/shell_state.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace shell {
namespace {

using namespace world;

// The far layer's name, as the game-wide objects load it.
constexpr const char* kFarLayerName = "bg";

std::string farLayerPath() {
  const auto& far = gfx::gfxState().FarLayer;
  return far && far->picturePath[0] ? far->picturePath
                                    : std::string("grim\\") + kFarLayerName + ".res";
}

void addOnce(std::vector<std::string>& files, const std::string& path) {
  if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
}

// What a reload must leave as it was when the new map turns out broken: the old map's event
// tables and where its interpreter stands.
struct EventsKept {
  EventTablesPtr tables;
  int32_t strStepsUsed[kEventCount];
  int32_t nextTextLine, currentEvent, currentStep, eventActor, textIndex, textTicker, textShown;

  explicit EventsKept(WorldState& w)
      : tables(std::move(w.tables)),
        nextTextLine(w.NextTextLine),
        currentEvent(w.CurrentEvent),
        currentStep(w.CurrentStep),
        eventActor(w.EventActor),
        textIndex(w.TextIndex),
        textTicker(w.TextTicker),
        textShown(w.TextShown) {
    std::copy(w.StrStepsUsed, w.StrStepsUsed + kEventCount, strStepsUsed);
  }
  void restore(WorldState& w) {
    w.tables = std::move(tables);
    std::copy(strStepsUsed, strStepsUsed + kEventCount, w.StrStepsUsed);
    w.NextTextLine = nextTextLine;
    w.CurrentEvent = currentEvent;
    w.CurrentStep = currentStep;
    w.EventActor = eventActor;
    w.TextIndex = textIndex;
    w.TextTicker = textTicker;
    w.TextShown = textShown;
  }
};

// A pack that loaded for the old map and no longer does: the game would play it without
// frames and say nothing, so the reload says it.
bool packBroken(const Scene& before, const Scene& after) {
  for (const PackUse& p : after.packs) {
    if (p.loaded) continue;
    const auto old = std::find_if(before.packs.begin(), before.packs.end(),
                                  [&](const PackUse& q) { return q.name == p.name; });
    if (old != before.packs.end() && old->loaded) {
      const std::string name = platform::cp949ToUtf8(p.name);
      platform::printErrorLine("game: grim/" + name + ".idx and .res do not make a sprite pack");
      return true;
    }
  }
  return false;
}

// The new map's events start from the entry event, with no balloon, walk or warp of the old.
void restartEvents(WorldState& w) {
  w.CurrentEvent = ENTRY_EVENT;
  w.CurrentStep = 0;
  w.EventActor = 0;
  w.TextIndex = -1;
  w.TextTicker = 0;
  w.TextShown = 0;
  w.WarpPending = 0;
  w.WalkCounter = -1;
  w.IconKind = 0;
  w.IconOwner = -1;
  w.IconTicker = 0;
  if (const auto& Hero = actors::actorsState().Hero) Hero->busy = 0;
}

}  // namespace

std::vector<std::string> currentMapFiles() {
  std::vector<std::string> files;
  files.push_back(std::string("map\\") + shellState().MapName + ".if");
  const Scene* scene = worldState().CurrentScene.get();
  if (scene && scene->backgroundPath[0]) files.push_back(scene->backgroundPath);
  if (scene)
    for (const PackUse& p : scene->packs) {
      addOnce(files, "grim\\" + p.name + ".idx");
      addOnce(files, "grim\\" + p.name + ".res");
    }
  addOnce(files, farLayerPath());
  const EventTables& t = eventTables();
  for (int e = 0; e < kEventCount; ++e)
    for (int s = 0; s < kStepCount; ++s)
      if (t.EventOps[e][s] == kOpVisual)
        addOnce(files, std::string("visual\\") + t.EventStr[e][s] + ".if");
  return files;
}

void watchCurrentMap() {
  if (const auto& watcher = shellState().watcher) watcher->watch(currentMapFiles());
}

void reloadOnChange() {
  const auto& watcher = shellState().watcher;
  if (!watcher || platform::presentedFrames() % kWatchFrames != 0) return;
  // A warp's fade-out is under way: the next map is loaded and watched anew.
  if (worldState().WarpPending) return;
  const std::vector<std::string> changed = watcher->changed();
  if (changed.empty()) return;
  const bool reloaded = reloadCurrentMap(changed);
  std::string names;
  for (const std::string& path : changed)
    names +=
        (names.empty() ? "" : ", ") + platform::cp949ToUtf8(platform::nativePath(path.c_str()));
  platform::printErrorLine(
      "game: " + names + (reloaded ? " changed: map reloaded" : " changed: the old map plays on"));
}

bool reloadCurrentMap(const std::vector<std::string>& changed) {
  WorldState& w = worldState();
  if (!w.CurrentScene) return false;
  const size_t messagesBefore = platform::shownMessages().size();
  std::unique_ptr<gfx::BackgroundLayer> far;
  if (std::find(changed.begin(), changed.end(), farLayerPath()) != changed.end()) {
    far = std::make_unique<gfx::BackgroundLayer>();
    if (far->load(kFarLayerName) != gfx::LayerLoad::kLoaded) return false;
  }
  // The new map is read into event tables of its own; the old ones stay until it has loaded.
  EventsKept kept(w);
  w.tables = makeEventTables();
  std::fill(w.StrStepsUsed, w.StrStepsUsed + kEventCount, 0);
  resetEventTables();
  auto scene = std::make_unique<Scene>();
  const SceneLoad loaded = scene->load(shellState().MapName);
  if (loaded != SceneLoad::kLoaded || platform::shownMessages().size() != messagesBefore ||
      packBroken(*w.CurrentScene, *scene)) {
    kept.restore(w);
    return false;
  }
  scene->cameraX = w.CurrentScene->cameraX;
  w.CurrentScene = std::move(scene);
  if (far) {
    far->scrollX = gfx::gfxState().FarLayer ? gfx::gfxState().FarLayer->scrollX : 0;
    gfx::gfxState().FarLayer = std::move(far);
  }
  restartEvents(w);
  watchCurrentMap();
  return true;
}

}  // namespace shell
