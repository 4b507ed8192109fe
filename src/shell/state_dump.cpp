// state_dump.cpp -- writing the game state as one JSON object
#include "shell/state_dump.h"

#include <cstdio>
#include <fstream>

#include "audio/music_player.h"
#include "display/palette.h"
#include "platform/encoding.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "shell/json_writer.h"
#include "shell/shell_state.h"
#include "world/event_tables.h"

namespace shell {

namespace {

// The stream's own position when the dump is written, not the one kept at the last check.
void writeMusic(JsonWriter& j) {
  const audio::MusicPlayer* m = audio::Music;
  double position = 0;
  if (m && m->stream) m->stream->position(position);
  j.key("music").beginObject();
  j.key("state").number(m ? m->state : 0);
  j.key("volume").number(m ? m->volume : 0);
  j.key("running").number(m && m->stream && m->stream->running() ? 1 : 0);
  j.key("position").number(position);
  j.endObject();
}

}  // namespace

std::string stateDumpJson() {
  using namespace world;
  JsonWriter j;
  j.beginObject();
  j.key("frames").number(int64_t(platform::presentedFrames()));
  j.key("reads").number(int64_t(platform::keyboardReads()));
  j.key("mapName").string(platform::cp949ToUtf8(MapName));
  j.key("brightness").number(display::Brightness);
  j.key("gameRunning").number(GameRunning);
  j.key("currentEvent").number(CurrentEvent);
  j.key("currentStep").number(CurrentStep);
  j.key("eventActor").number(EventActor);
  j.key("warpPending").number(WarpPending);
  j.key("walkCounter").number(WalkCounter);
  j.key("textIndex").number(TextIndex);
  j.key("textTicker").number(TextTicker);
  j.key("textShown").number(TextShown);
  j.key("iconOwner").number(IconOwner);
  j.key("iconKind").number(IconKind);
  j.key("iconTicker").number(IconTicker);
  j.key("eventFlags").beginArray();
  for (int32_t f : EventFlags) j.number(f);
  j.endArray();
  writeMusic(j);
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

bool writeStateDump(const std::string& path, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return error = path + ": cannot be written", false;
  out << stateDumpJson();
  return bool(out);
}

}  // namespace shell
