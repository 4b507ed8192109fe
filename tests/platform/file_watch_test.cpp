// file_watch_test.cpp -- both watchers see rewritten and replaced files, and only those
#include "platform/file_watch.h"

#include <filesystem>

#include "support/engine_fixture.h"

namespace {

using namespace testing_support;
using platform::WatchMethod;
using Paths = std::vector<std::string>;
namespace fs = std::filesystem;

class FileWatchTest : public TempFolderTest, public ::testing::WithParamInterface<WatchMethod> {
 protected:
  // Polling waits one more look for a file to settle.
  Paths look(platform::FileWatcher& w) {
    if (GetParam() == WatchMethod::kPolling && w.changed() != Paths{}) return {"too early"};
    return w.changed();
  }
  // A new time as well: a file system's clock may not have moved since the last write.
  void rewrite(const std::string& path, const std::string& bytes) {
    const auto time =
        fs::exists(path) ? fs::last_write_time(path) : fs::file_time_type::clock::now();
    writeFile(path, bytes);
    fs::last_write_time(path, time + std::chrono::seconds(2));
  }
};

TEST_P(FileWatchTest, sees_watched_files_written_or_moved_in_and_nothing_else) {
  writeFile("map/a.if", "a");
  writeFile("map/b.if", "b");
  writeFile("grim/p.res", "p");
  auto w = platform::makeFileWatcher(GetParam());
  w->watch({"map\\a.if", "grim\\p.res", "visual\\gone.if"});
  EXPECT_EQ(look(*w), Paths{});
  rewrite("map/a.if", "aa");
  rewrite("map/b.if", "bb");  // a neighbour no one watches
  EXPECT_EQ(look(*w), Paths{"map\\a.if"});
  EXPECT_EQ(look(*w), Paths{});
  // An editor's save: the new file written beside the old and renamed over it.
  rewrite("grim/p.new", "ppp");
  fs::rename("grim/p.new", "grim/p.res");
  EXPECT_EQ(look(*w), Paths{"grim\\p.res"});
  // A removed file is no change until it is back.
  fs::remove("map/a.if");
  EXPECT_EQ(look(*w), Paths{});
  rewrite("map/a.if", "aaa");
  EXPECT_EQ(look(*w), Paths{"map\\a.if"});
  // A new list drops the old one and what was noticed before it.
  rewrite("grim/p.res", "pppp");
  w->watch({"map\\b.if"});
  rewrite("map/a.if", "aaaa");
  EXPECT_EQ(look(*w), Paths{});
}

INSTANTIATE_TEST_SUITE_P(Methods, FileWatchTest,
                         ::testing::Values(WatchMethod::kBest, WatchMethod::kPolling));

}  // namespace
