// main.cpp -- txt2cp949: UTF-8 text with LF line ends into the game's code page 949 with CR LF
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/cli.h"
#include "common/cp949_text.h"

namespace {

constexpr const char* kTool = "txt2cp949";

constexpr const char* kUsage =
    "Usage: txt2cp949 IN OUT\n"
    "\n"
    "Converts the UTF-8 text file IN (LF or CR LF line ends; a byte order mark is dropped)\n"
    "into OUT in code page 949 with CR LF after every line, the last one included: the form\n"
    "the game reads its map files and cut-scene scripts in. OUT's folder is made if needed.\n"
    "\n"
    "A character that has no code page 949 form (most of Unicode beyond ASCII, Hangul and\n"
    "the KS X 1001 symbols and Hanja) stops the conversion: each line that holds one is\n"
    "named as IN:LINE with the character, and OUT is not written.\n"
    "\n"
    "Exit status: 0 done, 1 OUT could not be written, 2 bad usage or input.\n";

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {}, {}, args, error)) return tools::usageError(kTool, error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return tools::kExitDone;
  }
  if (args.positional.size() != 2)
    return tools::usageError(kTool, "give an input and an output file");
  const std::string& in = args.positional[0];
  const std::string& out = args.positional[1];
  std::string utf8, cp949;
  if (!tools::readWholeFile(in, utf8, error)) return tools::fail(kTool, error);
  std::vector<tools::TextFault> faults;
  if (!tools::utf8ToCp949Lines(utf8, cp949, faults)) {
    for (const tools::TextFault& f : faults)
      std::fprintf(stderr, "%s:%d: %s\n", in.c_str(), f.line, f.what.c_str());
    return tools::kExitBadInput;
  }
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::path(out).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  if (!tools::writeWholeFile(out, cp949.data(), cp949.size(), error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  return tools::kExitDone;
}
