// fuzz_engine.cpp -- a quiet headless engine for fuzz targets
#include "support/fuzz_engine.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/backend.h"
#include "platform/data_warnings.h"
#include "platform/headless/headless_backend.h"
#include "platform/message_box.h"
#include "shell/game.h"
#include "shell/startup.h"

namespace fuzzing {

void writeFile(const std::string& path, const std::string& bytes) {
  const std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

void startEngineOnce() {
  static bool started = false;
  if (started) return;
  started = true;
  // The game object of every run: the fuzz targets keep it to the end of the process.
  static shell::Game game;
  const auto dir =
      std::filesystem::temp_directory_path() / ("pelmo_fuzz_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::current_path(dir);
  static const auto scratch = dir;
  std::atexit([] { std::filesystem::remove_all(scratch); });
  std::string palette(768 + 65536, '\0');
  for (size_t i = 0; i < palette.size(); ++i) palette[i] = char(i * 7);
  writeFile("grim/pal.pal", palette);
  // The game's own fonts, so that start-up and text drawing run as in the game.
  for (const char* font : {"EngFont.fnt", "HanFont.fnt", "han.inf"}) {
    const auto from = std::filesystem::path(PELMO_SOURCE_DIR) / "content" / "fonts" / font;
    if (std::filesystem::exists(from))
      std::filesystem::copy_file(from, std::filesystem::path("grim") / font,
                                 std::filesystem::copy_options::overwrite_existing);
  }
  // Quiet: message boxes of broken files would flood the fuzzer's output.
  platform::setBackend(platform::makeHeadlessBackend(true));
  platform::dataWarnings().quiet = true;
  if (!shell::StartUpEngine()) std::abort();
}

}  // namespace fuzzing
