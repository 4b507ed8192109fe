// readme_text_test.cpp -- filling the text box from "readme.txt"
#include "launcher/readme_text.h"

#include <sys/stat.h>

#include "temp_folder.h"

namespace launcher {
namespace {

TEST(FillReadmeText, EmptyFileLeavesTheTextEmpty) { EXPECT_EQ(fillReadmeText(""), ""); }

TEST(FillReadmeText, CrLfLinesComeBackInFileOrder) {
  EXPECT_EQ(fillReadmeText("one\r\ntwo\r\nthree\r\n"), "one\r\ntwo\r\nthree\r\n");
}

TEST(FillReadmeText, LastLineWithoutLineEndStillEndsInCrLf) {
  EXPECT_EQ(fillReadmeText("one\r\ntwo"), "one\r\ntwo\r\n");
  EXPECT_EQ(fillReadmeText("only"), "only\r\n");
}

TEST(FillReadmeText, LfAndLoneCrEndLinesToo) {
  EXPECT_EQ(fillReadmeText("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd\r\n");
  // A CR before a CR LF is a line of its own, not part of the next line end.
  EXPECT_EQ(fillReadmeText("a\r\r\nb"), "a\r\n\r\nb\r\n");
}

TEST(FillReadmeText, BlankLinesAreKept) {
  EXPECT_EQ(fillReadmeText("\r\n\r\nx\r\n\r\n"), "\r\n\r\nx\r\n\r\n");
  EXPECT_EQ(fillReadmeText("\n\n"), "\r\n\r\n");
}

TEST(FillReadmeText, Cp949BytesPassUnchanged) {
  // 한글 and 갂 (0x81 0x41, a trail byte in the ASCII range), then 가 without a line end.
  const std::string file = "\xC7\xD1\xB1\xDB\r\n\x81\x41!\r\n\xB0\xA1";
  EXPECT_EQ(fillReadmeText(file), "\xC7\xD1\xB1\xDB\r\n\x81\x41!\r\n\xB0\xA1\r\n");
}

TEST(ReadmeForDisplay, ShowsCp949AsUtf8WithLfLineEnds) {
  EXPECT_EQ(readmeForDisplay(fillReadmeText("\xC7\xD1\xB1\xDB\r\nA\x81\x41")),
            "\xED\x95\x9C\xEA\xB8\x80\nA\xEA\xB0\x82\n");  // 한글, A갂
}

TEST(ReadmeForDisplay, DamagedBytesShowAsReplacementCharacters) {
  // 0xFF is no lead byte; a lead byte cut off by the line end has no trail byte.
  EXPECT_EQ(readmeForDisplay("a\xFF"
                             "b\r\n\xC7\r\n"),
            "a\xEF\xBF\xBD"
            "b\n\xEF\xBF\xBD\n");
}

TEST(ReadmeForDisplay, ANulByteDoesNotHideTheRest) {
  EXPECT_EQ(readmeForDisplay(std::string("a\0b\r\n", 5)), "a b\n");
}

using LoadReadmeText = TempFolderTest;

TEST_F(LoadReadmeText, ReadsAndFillsTheFile) {
  writeFile(ReadmeFileName, "\xC7\xD1\r\nend");
  std::string text = "old";
  ASSERT_TRUE(loadReadmeText(ReadmeFileName, &text));
  EXPECT_EQ(text, "\xC7\xD1\r\nend\r\n");
}

TEST_F(LoadReadmeText, EmptyFileGivesEmptyText) {
  writeFile(ReadmeFileName, "");
  std::string text = "old";
  ASSERT_TRUE(loadReadmeText(ReadmeFileName, &text));
  EXPECT_EQ(text, "");
}

TEST_F(LoadReadmeText, MissingOrUnreadableFileIsReportedAndLeavesTheText) {
  std::string text = "old";
  EXPECT_FALSE(loadReadmeText(ReadmeFileName, &text));
  mkdir(ReadmeFileName, 0755);  // opens, but cannot be read
  EXPECT_FALSE(loadReadmeText(ReadmeFileName, &text));
  EXPECT_EQ(text, "old");
}

// A pipe would hold the window back for ever; an outsized file is not a read-me.
TEST_F(LoadReadmeText, PipeOrOutsizedFileIsNotShown) {
  std::string text = "old";
  mkfifo(ReadmeFileName, 0600);
  EXPECT_FALSE(loadReadmeText(ReadmeFileName, &text));
  unlink(ReadmeFileName);
  writeFile(ReadmeFileName, std::string(kReadmeMaxBytes + 1, 'a'));
  EXPECT_FALSE(loadReadmeText(ReadmeFileName, &text));
  writeFile(ReadmeFileName, std::string(kReadmeMaxBytes, 'a'));
  EXPECT_TRUE(loadReadmeText(ReadmeFileName, &text));
}

}  // namespace
}  // namespace launcher
