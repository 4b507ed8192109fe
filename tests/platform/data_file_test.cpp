// data_file_test.cpp -- data files open only as bounded regular files inside the data folder
#include "platform/data_file.h"

#include <sys/stat.h>

#include <filesystem>

#include "support/engine_fixture.h"

namespace {

namespace fs = std::filesystem;
using platform::openDataFile;
using testing_support::writeFile;

class DataFile : public testing_support::TempFolderTest {
 protected:
  // Whether path opens with this bound, and the reason it did not.
  static std::string refusal(const char* path, uint64_t bound) {
    std::string why;
    FILE* f = openDataFile(path, bound, &why);
    if (!f) return why;
    std::fclose(f);
    return "";
  }
};

TEST_F(DataFile, pipes_folders_and_files_over_their_bound_do_not_open) {
  fs::create_directories("grim/folder.res");
  ASSERT_EQ(mkfifo("grim/pipe.res", 0600), 0);
  writeFile("grim/ten.res", std::string(10, 'x'));
  // A pipe with no writer is refused at once rather than waited on.
  EXPECT_EQ(refusal("grim\\pipe.res", 100), "is not a regular file");
  EXPECT_EQ(refusal("grim\\folder.res", 100), "is not a regular file");
  EXPECT_EQ(refusal("grim\\ten.res", 9), "is larger than 9 bytes");
  EXPECT_EQ(refusal("grim\\ten.res", 10), "");
  EXPECT_EQ(refusal("grim\\none.res", 10), "cannot be read");

  std::string bytes, why;
  EXPECT_FALSE(platform::readRegularFile("/dev/zero", 1 << 20, bytes, &why));
  EXPECT_EQ(why, "is not a regular file");
  EXPECT_TRUE(platform::readRegularFile("grim/ten.res", 10, bytes));
  EXPECT_EQ(bytes, std::string(10, 'x'));
}

TEST_F(DataFile, names_stay_inside_the_data_folder) {
  const std::pair<const char*, bool> cases[] = {
      {"map\\20.if", true},
      {"map\\caves\\7.if", true},
      {"map\\caves/7.if", true},
      {"map\\../grim/x.res", true},    // out of map, into grim
      {"grim\\.//big.idx", true},      // the pack big, written oddly
      {"map\\a\\..\\..\\x.if", true},  // back to the top, no further
      {"map\\../../x.if", false},      // above the data folder
      {"map\\a\\..\\..\\..\\x.if", false},
      {"map\\/etc/x.if", false},  // absolute names
      {"map\\\\x.if", false},
      {"map\\C:x.if", false},
      {"/etc/passwd", false},
      {"..\\x", false},
  };
  for (const auto& [path, inside] : cases)
    EXPECT_EQ(platform::insideDataFolder(path), inside) << path;

  // The data folder is "in"; a file beside it exists but is not the game's.
  writeFile("in/map/a/x.if", "a");
  writeFile("out.if", "o");
  fs::current_path("in");
  EXPECT_EQ(refusal("map\\a\\..\\a\\x.if", 10), "");
  EXPECT_EQ(refusal("map\\..\\..\\out.if", 10), "is outside the data folder");
  EXPECT_FALSE(platform::dataFileOpens("map\\..\\..\\out.if"));
}

}  // namespace
