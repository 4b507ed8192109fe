// cli.h -- option parsing, messages and whole-file input and output for the authors' tools
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tools {

// Exit statuses shared by the tools.
constexpr int kExitDone = 0;
constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;

struct ParsedArgs {
  std::map<std::string, std::string> values;  // options that take a value
  std::set<std::string> flags;                // options without one
  std::vector<std::string> positional;
  bool help = false;

  bool has(const std::string& name) const { return values.count(name) || flags.count(name); }
  std::string value(const std::string& name, const std::string& fallback = "") const;
};

// Reads "--name value", "--name=value", flags and plain arguments; "--help" or "-h" sets
// help. An unknown option or a missing value is an error.
bool parseArgs(int argc, char** argv, const std::vector<std::string>& valueOptions,
               const std::vector<std::string>& flagOptions, ParsedArgs& parsed, std::string& error);

// "tool: message" and a pointer to --help on stderr; returns kExitBadInput.
int usageError(const char* tool, const std::string& message);
// "tool: message" on stderr; returns status.
int fail(const char* tool, const std::string& message, int status = kExitBadInput);
// "tool: message" on stderr, for things worth knowing that do not stop the tool.
void warn(const char* tool, const std::string& message);

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);
bool writeWholeFile(const std::string& path, const void* data, size_t size, std::string& error);

// Decimal integer in [low, high], nothing else around it.
bool parseInt(const std::string& text, int low, int high, int& value);
// "WIDTHxHEIGHT", both 1 to 65535.
bool parseSize(const std::string& text, int& width, int& height);
// Whether the file starts with the PNG signature.
bool looksLikePng(const std::string& path);

}  // namespace tools
