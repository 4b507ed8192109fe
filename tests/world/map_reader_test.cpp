// map_reader_test.cpp -- loading map files: every section, every result, and the bounds of
// malformed files
#include <cstring>
#include <string>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "gfx/load_messages.h"
#include "platform/faults.h"
#include "platform/message_box.h"
#include "support/engine_fixture.h"
#include "support/test_maps.h"
#include "world/event_tables.h"
#include "world/map_messages.h"
#include "world/scene.h"

namespace {

using namespace testing_support;
using world::Scene;

class MapReaderTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    writeMapPicture("field");
    writeSolidPack("MAN", 6, 30, 40, 60);
  }
  world::SceneLoad load(const std::string& text) {
    writeFile("map/m.if", text);
    return scene_.load("m");
  }
  // The one message shown names the file and the line, under the title "에러".
  void expectFault(int line, const char* reason) {
    const auto& shown = platform::shownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, gfx::text::kErrorTitle);
    EXPECT_EQ(shown[0].text,
              "map\\m.if, " + std::to_string(line) + world::text::kLineSuffix + reason);
  }
  // Lent to the game while a test needs it as the running map.
  std::unique_ptr<world::Scene> sceneOwner_ = std::make_unique<world::Scene>();
  world::Scene& scene_ = *sceneOwner_;
};

TEST_F(MapReaderTest, well_formed_map_loads_every_section) {
  TestActor first;
  first.name = "kim";
  first.x = "150.5";
  first.baseY = 280;
  first.speed = "2.25";
  first.eventNumber = 12;
  first.facing = 1;
  first.mode = 2;
  first.steps = {std::string(kStandWord) + " 20",
                 std::string(kSpeakWord) + " hello there",
                 "dance",  // unknown: uses up its slot
                 std::string(kGoLeftWord) + " 30",
                 std::string(kGoRightWord) + " 0",
                 std::string(kPictureWord) + " 3",
                 std::string(kSpeakWord) + " bye"};
  TestActor second;
  second.name = "lee";
  second.pack = "NOPACK";
  std::string text = mapText("field", "Snowy  village ", {first, second});
  // Formatted input takes numbers right against the commas, and any blanks before them.
  text.replace(text.find("lee ,100.0 ,288"), 15, "lee ,100.0,\t288");
  ASSERT_EQ(load(text), world::SceneLoad::kLoaded);
  EXPECT_TRUE(platform::shownMessages().empty());
  EXPECT_STREQ(scene_.backgroundPath, "map\\field.res");
  EXPECT_STREQ(scene_.caption, "Snowy  village ");
  EXPECT_EQ(scene_.captionTimer, 1);
  ASSERT_EQ(scene_.actorCount, 2);
  EXPECT_EQ(scene_.actors[2], nullptr);
  const actors::Actor& a = *scene_.actors[0];
  EXPECT_STREQ(a.name, "kim");
  EXPECT_FLOAT_EQ(a.x, 150.5f);
  EXPECT_EQ(a.baseY, 280);
  EXPECT_FLOAT_EQ(a.speed, 2.25f);
  EXPECT_EQ(a.eventNumber, 12);
  EXPECT_EQ(a.facing, 1);
  EXPECT_EQ(a.mode, 2);
  EXPECT_EQ(a.sprites->width(0), 30);
  const int codes[] = {1, 4, 0, 2, 3, 5, 4, 0};
  const int params[] = {20, 1, 0, 30, 0, 3, 1, 0};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(a.stepCodes[i], codes[i]) << i;
    EXPECT_EQ(a.stepParams[i], params[i]) << i;
  }
  // The second, shorter speech replaces the first, with its separating blank.
  EXPECT_STREQ(a.speech, " bye");
  const actors::Actor& b = *scene_.actors[1];
  EXPECT_FLOAT_EQ(b.speed, 1.3f);
  EXPECT_EQ(b.baseY, 288);
  EXPECT_EQ(b.stepCodes[0], 0);
  EXPECT_EQ(b.sprites->width(0), 0);  // its pack did not load: empty frames
}

TEST_F(MapReaderTest, empty_caption_and_no_actors) {
  ASSERT_EQ(load("field\r\n\r\n0\r\n0\r\n"), world::SceneLoad::kLoaded);
  EXPECT_STREQ(scene_.caption, "");
  EXPECT_EQ(scene_.actorCount, 0);
  EXPECT_TRUE(platform::shownMessages().empty());
}

TEST_F(MapReaderTest, camera_starts_on_the_hero) {
  actors::actorsState().Hero = std::make_unique<actors::Actor>();
  actors::Actor& hero = *actors::actorsState().Hero;
  const std::pair<float, int> cases[] = {{10.0f, 0}, {500.0f, 360}, {1099.9f, 959}, {1200.0f, 960}};
  for (const auto& [x, camera] : cases) {
    hero.x = x;
    Scene scene;
    writeFile("map/m.if", mapText("field", "c", {}));
    scene.load("m");
    EXPECT_EQ(scene.cameraX, camera) << x;
  }
  actors::actorsState().Hero.reset();
}

TEST_F(MapReaderTest, missing_map_file_gives_4_with_the_path_as_title) {
  EXPECT_EQ(scene_.load("nowhere"), world::SceneLoad::kMapMissing);
  const auto& shown = platform::shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "map\\nowhere.if");
  EXPECT_EQ(shown[0].text, world::text::kMapOpen);
  EXPECT_EQ(scene_.surface, nullptr);
  EXPECT_EQ(scene_.captionTimer, 0);
}

TEST_F(MapReaderTest, missing_background_gives_2_and_keeps_its_path) {
  EXPECT_EQ(load(mapText("gone", "c", {TestActor{}})), world::SceneLoad::kBackgroundMissing);
  const auto& shown = platform::shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "map\\gone.res");
  EXPECT_EQ(shown[0].text, gfx::text::kFileOpen);
  EXPECT_NE(scene_.surface, nullptr);
  EXPECT_STREQ(scene_.backgroundPath, "map\\gone.res");
  EXPECT_EQ(scene_.actorCount, 0);
}

TEST_F(MapReaderTest, empty_background_gives_3) {
  writeFile("map/blank.res", "");
  EXPECT_EQ(load(mapText("blank", "c", {})), world::SceneLoad::kBackgroundEmpty);
  const auto& shown = platform::shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, gfx::text::kErrorTitle);
  EXPECT_EQ(shown[0].text, world::text::kMapDataRead);
}

TEST_F(MapReaderTest, short_background_fills_the_start_of_the_top_row) {
  writeFile("map/short.res", std::string(1000, '\x07'));
  EXPECT_EQ(load(mapText("short", "c", {})), world::SceneLoad::kLoaded);
  EXPECT_TRUE(platform::shownMessages().empty());
  EXPECT_EQ(scene_.surface->pixels()[999], 7);
  EXPECT_EQ(scene_.surface->pixels()[1000], 0);
}

TEST_F(MapReaderTest, surface_failure_gives_1) {
  platform::faults().failSurfaceOfSize = world::kMapPictureHeight;
  EXPECT_EQ(load(mapText("field", "c", {})), world::SceneLoad::kNoSurface);
  const auto& shown = platform::shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, gfx::text::kErrorTitle);
  EXPECT_EQ(shown[0].text, gfx::text::kSurfaceCreate);
}

TEST_F(MapReaderTest, more_than_50_actors_are_refused_at_the_count) {
  std::vector<TestActor> many(51);
  EXPECT_EQ(load(mapText("field", "c", many)), world::SceneLoad::kMapMalformed);
  expectFault(3, world::text::kActorCount);
  EXPECT_EQ(scene_.actorCount, 0);
  // The game goes on with the Scene as far as it was read.
  EXPECT_EQ(scene_.captionTimer, 1);
  EXPECT_STREQ(scene_.caption, "c");
  std::vector<TestActor> fifty(50);
  Scene full;
  writeFile("map/m.if", mapText("field", "c", fifty));
  EXPECT_EQ(full.load("m"), world::SceneLoad::kLoaded);
  EXPECT_EQ(full.actorCount, 50);
}

TEST_F(MapReaderTest, more_than_29_behaviour_entries_are_refused) {
  TestActor a, b;
  b.steps.assign(30, std::string(kStandWord) + " 1");
  EXPECT_EQ(load(mapText("field", "c", {a, b})), world::SceneLoad::kMapMalformed);
  expectFault(7, world::text::kStepCount);
  // The actor whose list is refused keeps its line; its list stays empty.
  ASSERT_EQ(scene_.actorCount, 2);
  EXPECT_EQ(scene_.actors[1]->stepCodes[0], 0);
  TestActor c;
  c.steps.assign(29, std::string(kStandWord) + " 1");
  Scene full;
  writeFile("map/m.if", mapText("field", "c", {c}));
  EXPECT_EQ(full.load("m"), world::SceneLoad::kLoaded);
  EXPECT_EQ(full.actors[0]->stepCodes[28], 1);
  EXPECT_EQ(full.actors[0]->stepCodes[29], 0);
}

TEST_F(MapReaderTest, fields_that_fit_exactly_load) {
  TestActor fits;
  fits.name = std::string(19, 'n');
  fits.steps = {std::string(kSpeakWord) + " " + std::string(253, 's')};
  ASSERT_EQ(load(mapText("field", std::string(254, 'c'), {fits})), world::SceneLoad::kLoaded);
  EXPECT_EQ(std::strlen(scene_.actors[0]->name), 19u);
  EXPECT_EQ(std::strlen(scene_.actors[0]->speech), 254u);
  EXPECT_EQ(std::strlen(scene_.caption), 254u);
}

TEST_F(MapReaderTest, malformed_files_are_named_by_file_line_and_reason) {
  TestActor longName, longPack, badEvent, talker;
  longName.name = std::string(20, 'n');
  longPack.pack = std::string(300, 'p');
  badEvent.eventNumber = 101;
  talker.steps = {std::string(kStandWord) + " 5",
                  std::string(kSpeakWord) + " " + std::string(254, 's')};
  const std::string actorLine = "a ,1 ,288 ,1.3 ,MAN ,0 ,0 ,0\r\n";
  const struct {
    std::string text;
    int line;
    const char* reason;
  } cases[] = {
      {mapText("field", "c", {longName}), 4, world::text::kNameTooLong},
      {mapText("field", "c", {longPack}), 4, world::text::kWordTooLong},
      {mapText("field", std::string(255, 'c'), {}), 2, world::text::kLineTooLong},
      {mapText("field", "c", {talker}), 7, world::text::kLineTooLong},
      {mapText("field", "c", {badEvent}), 4, world::text::kEventNumber},
      {"field\nc\n0\n0\n", 1, world::text::kNotCrLf},
      {"field\r\nc\r\n1\r\n" + actorLine + "1\r\n" + kSpeakWord + " hi\nmore\r\n", 6,
       world::text::kNotCrLf},
      {"field\r\nc\r\n1\r\nbob 55.0 ,288 ,1.3 ,MAN ,0 ,0 ,0\r\n0\r\n", 4, world::text::kNoComma},
      {"field\r\nc\r\nmany\r\n", 3, world::text::kNoNumber},
      {"field\r\nno end", 2, world::text::kEndsEarly},
  };
  for (const auto& c : cases) {
    platform::clearShownMessages();
    Scene scene;
    writeFile("map/m.if", c.text);
    EXPECT_EQ(scene.load("m"), world::SceneLoad::kMapMalformed) << c.line;
    expectFault(c.line, c.reason);
  }
}

TEST_F(MapReaderTest, a_refused_speech_entry_is_not_kept) {
  TestActor talker;
  talker.steps = {std::string(kStandWord) + " 5",
                  std::string(kSpeakWord) + " " + std::string(254, 's')};
  EXPECT_EQ(load(mapText("field", "c", {talker})), world::SceneLoad::kMapMalformed);
  EXPECT_EQ(scene_.actors[0]->stepCodes[0], 1);
  EXPECT_EQ(scene_.actors[0]->stepCodes[1], 0);
  EXPECT_STREQ(scene_.actors[0]->speech, "");
}

TEST_F(MapReaderTest, file_that_ends_early_keeps_the_actors_before) {
  TestActor a, b;
  a.name = "first";
  b.name = "second";
  b.steps = {std::string(kStandWord) + " 5", std::string(kGoLeftWord) + " 7"};
  std::string text = mapText("field", "c", {a, b});
  text.erase(text.find(kGoLeftWord) + std::strlen(kGoLeftWord));
  EXPECT_EQ(load(text), world::SceneLoad::kMapMalformed);
  expectFault(9, world::text::kEndsEarly);
  ASSERT_EQ(scene_.actorCount, 2);
  EXPECT_STREQ(scene_.actors[1]->name, "second");
  EXPECT_EQ(scene_.actors[1]->stepCodes[0], 1);
  EXPECT_EQ(scene_.actors[1]->stepCodes[1], 0);
  // Cut inside an actor line: that actor is kept as far as it was read.
  platform::clearShownMessages();
  Scene cut;
  writeFile("map/m.if", "field\r\nc\r\n1\r\nbob ,55.0 ,");
  EXPECT_EQ(cut.load("m"), world::SceneLoad::kMapMalformed);
  expectFault(4, world::text::kEndsEarly);
  ASSERT_EQ(cut.actorCount, 1);
  EXPECT_FLOAT_EQ(cut.actors[0]->x, 55.0f);
}

}  // namespace

namespace {

using namespace testing_support;

// Values no author would write still load, and updating and drawing them stays inside every table.
TEST_F(MapReaderTest, absurd_values_load_and_run_without_harm) {
  TestActor far, odd;
  far.x = "1e30";
  far.speed = "1e30";
  far.baseY = -2147483647 - 1;
  far.steps = {std::string(kGoRightWord) + " 0"};
  odd.x = "5.5";
  odd.facing = 7;
  odd.baseY = 2147483647;
  odd.steps = {std::string(kPictureWord) + " 1000", std::string(kGoLeftWord) + " -3"};
  ASSERT_EQ(load(mapText("field", "c", {far, odd})), world::SceneLoad::kLoaded);
  world::worldState().CurrentScene = std::move(sceneOwner_);
  for (int i = 0; i < 100; ++i) {
    for (int a = 0; a < scene_.actorCount; ++a) scene_.actors[a]->update();
    scene_.drawActors();
    scene_.actors[0]->draw();
    scene_.actors[1]->draw();
  }
  sceneOwner_ = std::move(world::worldState().CurrentScene);
  // The picture step ran its 40 frames; a negative count never ends its step.
  EXPECT_EQ(scene_.actors[1]->stepIndex, 1);
  EXPECT_LT(scene_.actors[1]->x, 5.5f);
}

}  // namespace
