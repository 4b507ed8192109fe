// cli.cpp -- option parsing, messages and whole-file input and output for the authors' tools
#include "common/cli.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tools {
namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string ParsedArgs::value(const std::string& name, const std::string& fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

bool parseArgs(int argc, char** argv, const std::vector<std::string>& valueOptions,
               const std::vector<std::string>& flagOptions, ParsedArgs& parsed,
               std::string& error) {
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.help = true;
      continue;
    }
    std::string inlineValue;
    const size_t equals = arg.find('=');
    const bool hasInline = equals != std::string::npos;
    if (hasInline) {
      inlineValue = arg.substr(equals + 1);
      arg.resize(equals);
    }
    if (listed(flagOptions, arg) && !hasInline) {
      parsed.flags.insert(arg);
    } else if (listed(valueOptions, arg)) {
      if (!hasInline && i + 1 >= argc) return error = arg + " needs a value", false;
      parsed.values[arg] = hasInline ? inlineValue : argv[++i];
    } else {
      return error = "unknown option " + std::string(argv[i]), false;
    }
  }
  return true;
}

int usageError(const char* tool, const std::string& message) {
  std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", tool, message.c_str(), tool);
  return kExitBadInput;
}

int fail(const char* tool, const std::string& message, int status) {
  std::fprintf(stderr, "%s: %s\n", tool, message.c_str());
  return status;
}

void warn(const char* tool, const std::string& message) {
  std::fprintf(stderr, "%s: warning: %s\n", tool, message.c_str());
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return error = "cannot open " + path, false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return error = "cannot read " + path, false;
  return true;
}

bool writeWholeFile(const std::string& path, const void* data, size_t size, std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return error = "cannot open " + path + " for writing", false;
  const bool written = std::fwrite(data, 1, size, f) == size;
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) return error = "cannot write " + path, false;
  return true;
}

bool parseInt(const std::string& text, int low, int high, int& value) {
  if (text.empty() || text.size() > 9) return false;
  long result = 0;
  size_t i = 0;
  const bool negative = text[0] == '-';
  if (negative) i = 1;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  if (negative) result = -result;
  if (result < low || result > high) return false;
  value = int(result);
  return true;
}

bool parseSize(const std::string& text, int& width, int& height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  return parseInt(text.substr(0, x), 1, 65535, width) &&
         parseInt(text.substr(x + 1), 1, 65535, height);
}

bool looksLikePng(const std::string& path) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  unsigned char head[8] = {};
  const bool full = std::fread(head, 1, 8, f) == 8;
  std::fclose(f);
  return full && std::memcmp(head, kSignature, 8) == 0;
}

}  // namespace tools
