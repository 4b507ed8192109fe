// command_line_test.cpp -- the options of `game`
#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace {

bool parse(std::vector<const char*> args, shell::Options& o, std::string& error) {
  args.insert(args.begin(), "game");
  return shell::parseCommandLine(int(args.size()), args.data(), o, error);
}

TEST(CommandLine, every_option) {
  shell::Options o;
  std::string error;
  // The options as a person types them, in a line.
  // clang-format off
  ASSERT_TRUE(parse({"--data", "d", "--window", "--scale", "3", "--headless", "--frames", "10",
                     "--input", "i.keys", "--record", "r.keys", "--seed", "42", "--shot",
                     "5:a.png", "--shot", "9:b:c.png", "--dump", "s.json", "--lose-surfaces", "7"},
                    o, error))
      << error;
  // clang-format on
  EXPECT_EQ(o.dataDir, "d");
  EXPECT_TRUE(o.window);
  EXPECT_EQ(o.scale, 3);
  EXPECT_TRUE(o.headless);
  EXPECT_EQ(o.frames, 10u);
  EXPECT_EQ(o.inputScript, "i.keys");
  EXPECT_EQ(o.recordScript, "r.keys");
  EXPECT_EQ(o.seed, 42u);
  ASSERT_EQ(o.shots.size(), 2u);
  EXPECT_EQ(o.shots[1].first, 9u);
  EXPECT_EQ(o.shots[1].second, "b:c.png");
  EXPECT_EQ(o.dumpPath, "s.json");
  EXPECT_EQ(o.loseSurfacesAt, 7u);
  EXPECT_FALSE(o.fullScreen);

  // Of --window and --fullscreen, the last one counts.
  shell::Options f;
  ASSERT_TRUE(
      parse({"--window", "--fullscreen", "--settings", "my.ini", "--watch", "--trace"}, f, error))
      << error;
  EXPECT_TRUE(f.fullScreen);
  EXPECT_FALSE(f.window);
  EXPECT_EQ(f.settingsPath, "my.ini");
  EXPECT_TRUE(f.watch && f.trace);
  EXPECT_FALSE(o.watch || o.trace);  // both off unless asked for
}

TEST(CommandLine, bad_options_say_why) {
  const std::string longName(255, 'm');  // a map name fills one 254-byte cell at most
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"--frames"}, "option --frames needs a value"},
      {{"--frames", "ten"}, "option --frames needs a whole number"},
      {{"--scale", "0"}, "option --scale needs a whole number from 1 to 16"},
      {{"--seed", "4294967296"}, "option --seed needs a whole number"},
      {{"--shot", "5"}, "option --shot needs N:FILE"},
      {{"--shot", "0:a.png"}, "option --shot needs N:FILE"},
      {{"--shot", "3:"}, "option --shot needs N:FILE"},
      {{"--fast"}, "unknown option '--fast'"},
      {{"--map", ""}, "option --map needs a map name"},
      {{"--map", "caf\xC3\xA9"}, "option --map needs a map name"},  // no code page 949 form
      {{"--map", longName.c_str()}, "option --map needs a map name"},
      {{"--hero-x", "ten"}, "option --hero-x needs a number"},
      {{"--hero-x", "0x10"}, "option --hero-x needs a number"},
      {{"--hero-x", "inf"}, "option --hero-x needs a number"},
      {{"--hero-x", "1e99"}, "option --hero-x needs a number"},
  };
  for (const auto& [args, message] : cases) {
    shell::Options o;
    std::string error;
    EXPECT_FALSE(parse(args, o, error)) << message;
    EXPECT_EQ(error.rfind(message, 0), 0u) << error;
  }
}

TEST(CommandLine, start_map_and_hero_x) {
  shell::Options o;
  std::string error;
  ASSERT_TRUE(parse({}, o, error));
  EXPECT_FALSE(o.mapName);
  EXPECT_FALSE(o.heroX);
  // The name is kept in code page 949, as the game names its maps.
  ASSERT_TRUE(parse({"--map", "\xEB\x88\x88", "--hero-x", "-612.5"}, o, error)) << error;
  EXPECT_EQ(o.mapName, "\xB4\xAB");  // 눈
  EXPECT_EQ(o.heroX, -612.5f);
}

}  // namespace
