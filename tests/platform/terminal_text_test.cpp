// terminal_text_test.cpp -- control bytes escaped for stderr, as the state dump escapes them
#include "platform/terminal_text.h"

#include <gtest/gtest.h>

#include "shell/json_writer.h"

namespace {

TEST(TerminalText, control_bytes_take_the_dumps_form_and_text_bytes_stay) {
  EXPECT_EQ(platform::escapeControlBytes("\x1b[31mred\x1b[0m"), "\\u001b[31mred\\u001b[0m");
  EXPECT_EQ(platform::escapeControlBytes(std::string("a\0b\tc\r\n\x1f", 8)),
            "a\\u0000b\\u0009c\\u000d\\u000a\\u001f");
  // Code page 949 (눈골), UTF-8 (눈) and the other printable bytes are text.
  const std::string text = "\xB4\xAB\xB0\xF1 \xEB\x88\x88 \x7F ~\\\"";
  EXPECT_EQ(platform::escapeControlBytes(text), text);

  // Every control byte reads in the dump as on stderr.
  std::string all;
  for (int c = 0; c < 0x20; ++c) all += char(c);
  shell::JsonWriter dump;
  dump.string(all);
  EXPECT_EQ(dump.str(), "\"" + platform::escapeControlBytes(all) + "\"");
}

}  // namespace
