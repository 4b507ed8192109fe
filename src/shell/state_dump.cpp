// state_dump.cpp -- writing the game state as one JSON object
#include "shell/state_dump.h"

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "audio/music_player.h"
#include "common/file_output.h"
#include "display/palette.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/encoding.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/quit.h"
#include "platform/screen.h"
#include "shell/json_writer.h"
#include "shell/shell_state.h"
#include "visual/visual_mode.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace shell {

namespace {

// The stream's own position when the dump is written, not the one kept at the last check.
void writeMusic(JsonWriter& j) {
  const audio::MusicPlayer* m = audio::audioState().Music.get();
  double position = 0;
  if (m && m->stream) m->stream->position(position);
  j.key("music").beginObject();
  j.key("state").number(m ? static_cast<int>(m->state) : 0);
  j.key("volume").number(m ? m->volume : 0);
  j.key("running").number(m && m->stream && m->stream->running() ? 1 : 0);
  j.key("position").number(position);
  j.endObject();
}

void writeActor(JsonWriter& j, const actors::Actor* a) {
  if (!a) {
    j.null();
    return;
  }
  j.beginObject();
  j.key("name").string(platform::cp949ToUtf8(a->name));
  j.key("x").number(double(a->x));
  j.key("baseY").number(a->baseY);
  j.key("walkTick").number(a->walkTick);
  j.key("motion").number(a->motion);
  j.key("frame").number(a->frame);
  j.key("facing").number(a->facing);
  j.key("speechTimer").number(a->speechTimer);
  j.key("stepIndex").number(a->stepIndex);
  j.key("stepTimer").number(a->stepTimer);
  j.key("speed").number(double(a->speed));
  j.key("eventNumber").number(a->eventNumber);
  j.key("mode").number(a->mode);
  j.key("busy").number(a->busy);
  j.endObject();
}

// The Scene and the hero; null (and an empty actor list) once the game has freed them.
void writeWorld(JsonWriter& j) {
  const world::Scene* scene = world::worldState().CurrentScene.get();
  j.key("cameraX");
  scene ? j.number(scene->cameraX) : j.null();
  j.key("farScrollX");
  gfx::gfxState().FarLayer ? j.number(gfx::gfxState().FarLayer->scrollX) : j.null();
  j.key("captionTimer");
  scene ? j.number(scene->captionTimer) : j.null();
  j.key("caption");
  scene ? j.string(platform::cp949ToUtf8(scene->caption)) : j.null();
  j.key("hero");
  writeActor(j, actors::actorsState().Hero.get());
  j.key("actors").beginArray();
  for (int i = 0; scene && i < scene->actorCount; ++i) writeActor(j, scene->actors[i].get());
  j.endArray();
}

}  // namespace

std::string stateDumpJson() {
  world::WorldState& w = world::worldState();
  using namespace world;
  JsonWriter j;
  j.beginObject();
  j.key("frames").number(int64_t(platform::presentedFrames()));
  j.key("reads").number(int64_t(platform::keyboardReads()));
  j.key("mapName").string(platform::cp949ToUtf8(shellState().MapName));
  j.key("brightness").number(display::displayState().Brightness);
  j.key("gameRunning").number(shellState().GameRunning);
  j.key("currentEvent").number(w.CurrentEvent);
  j.key("currentStep").number(w.CurrentStep);
  j.key("eventActor").number(w.EventActor);
  j.key("warpPending").number(w.WarpPending);
  j.key("walkCounter").number(w.WalkCounter);
  j.key("textIndex").number(w.TextIndex);
  j.key("textTicker").number(w.TextTicker);
  j.key("textShown").number(w.TextShown);
  j.key("iconOwner").number(w.IconOwner);
  j.key("iconKind").number(w.IconKind);
  j.key("iconTicker").number(w.IconTicker);
  j.key("eventFlags").beginArray();
  for (int32_t f : w.EventFlags) j.number(f);
  j.endArray();
  writeWorld(j);
  writeMusic(j);
  j.key("visual").beginObject();
  j.key("playing").number(visual::visualState().VisualPlaying);
  j.key("line").number(visual::visualState().VisualLine);
  j.key("row").number(visual::visualState().VisualRow);
  j.key("waiting").number(visual::visualState().VisualWaiting);
  j.endObject();
  j.key("messages").beginArray();
  for (const auto& m : platform::shownMessages()) {
    j.beginObject();
    j.key("title").string(platform::cp949ToUtf8(m.title));
    j.key("text").string(platform::cp949ToUtf8(m.text));
    j.endObject();
  }
  j.endArray();
  j.endObject();
  return j.str() + "\n";
}

void keepStateDumpAtStop() {
  shellState().dumpAtStop.clear();
  platform::setStopObserver([] { shellState().dumpAtStop = stateDumpJson(); });
}

bool writeStateDump(const std::string& path, std::string& error) {
  const std::string& atStop = shellState().dumpAtStop;
  return common::writeWholeFile(path, atStop.empty() ? stateDumpJson() : atStop, error);
}

}  // namespace shell
