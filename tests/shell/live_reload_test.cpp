// live_reload_test.cpp -- `game --watch`: the running map's files rewritten while it plays
#include "shell/live_reload.h"

#include <cstring>
#include <string>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/file_watch.h"
#include "platform/keyboard.h"
#include "platform/screen.h"
#include "shell/game_run.h"
#include "shell/shell_state.h"
#include "shell/state_dump.h"
#include "support/state_dump.h"
#include "support/test_events.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using namespace testing_support;

// Map "w": event 99 sets flag `flag` to 1 and, when told, plays the cut-scene "intro" first.
std::string mapWith(const std::string& caption, int flag, bool cutScene = false) {
  TestActor man;
  man.x = "300.0";
  std::vector<std::string> entry = {std::string(words::kFlag) + " " + std::to_string(flag) + " 1"};
  if (cutScene) entry.insert(entry.begin(), std::string(words::kVisual) + " intro");
  return mapText("w", caption, {man}, eventSection({eventText("99", entry)}));
}

// The game as `game --headless --watch --map w --frames 100` plays it, in this process: the
// hero walks right for 40 reads.
class LiveReloadTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    writeStageData("w");
    writeSolidPack("bubble", 48, 16, 12, 150);
    writeFile("map/w.if", mapWith("old", 4));
    shell::shellState().FirstMapName = "w";
    shell::shellState().watcher = platform::makeFileWatcher();
  }
};

TEST_F(LiveReloadTest, a_rewritten_map_plays_in_place_and_a_broken_one_leaves_the_old_playing) {
  float heroX = 0;
  std::string caption;
  platform::setKeyProvider([&](uint64_t read, uint8_t keys[256]) {
    if (read < 40) keys[platform::dik::RIGHT] = 0x80;
    if (read == 30) writeFile("map/w.if", mapText("w", "broken", {}, "x\r\n"));  // no event count
    if (read == 60) {
      heroX = actors::actorsState().Hero->x;
      caption = world::worldState().CurrentScene->caption;
      writeFile("map/w.if", mapWith("new", 5));
    }
  });
  platform::ScreenHooks hooks;
  hooks.stopAfter = 100;
  platform::setScreenHooks(hooks);
  shell::keepStateDumpAtStop();
  shell::playGame();
  const std::string dump = shell::shellState().dumpAtStop;
  EXPECT_EQ(caption, "old");  // the broken map was not taken
  EXPECT_EQ(dumpValue(dump, "caption"), "\"new\"");
  EXPECT_GT(heroX, 20.0f);  // the hero had walked, and stays where it was
  EXPECT_FLOAT_EQ(float(dumpNumber(dumpObject(dump, "hero"), "x")), heroX);
  // The old entry event's flag stays; the new one has run from its start.
  EXPECT_EQ(dumpFlag(dump, 4), 1);
  EXPECT_EQ(dumpFlag(dump, 5), 1);
  // One message, the map loader's own, naming the file and line.
  const size_t message = dump.find("\"text\": \"map\\\\w.if, 4");
  EXPECT_NE(message, std::string::npos) << dump;
  EXPECT_EQ(dump.find("\"text\"", message + 1), std::string::npos) << dump;
}

TEST_F(LiveReloadTest, packs_far_layer_and_cut_scenes_are_watched_and_a_broken_pack_is_refused) {
  writeFile("map/w.if", mapWith("old", 4, true));
  std::strcpy(shell::shellState().MapName, "w");
  actors::loadCommonResources();
  shell::beginScene();
  EXPECT_EQ(shell::currentMapFiles(),
            (std::vector<std::string>{"map\\w.if", "map\\w.res", "grim\\MAN.idx", "grim\\MAN.res",
                                      "grim\\bg.res", "visual\\intro.if"}));
  // An emptied pixel file would leave the man without frames: the old map stays.
  writeFile("grim/MAN.res", "");
  EXPECT_FALSE(shell::reloadCurrentMap({"grim\\MAN.res"}));
  EXPECT_EQ(world::worldState().CurrentScene->actors[0]->sprites->width(0), 40);
  // A new far layer comes with the map.
  writeSolidPack("MAN", 10, 40, 30, 60);
  writeFile("grim/bg.res", std::string(800 * 240, '\x07'));
  const platform::Surface* before = gfx::gfxState().FarLayer->surface.get();
  EXPECT_TRUE(shell::reloadCurrentMap({"grim\\bg.res"}));
  EXPECT_NE(gfx::gfxState().FarLayer->surface.get(), before);
  EXPECT_EQ(world::worldState().CurrentEvent, world::ENTRY_EVENT);
}

}  // namespace
