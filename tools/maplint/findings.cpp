// findings.cpp -- counting and printing what the checker found
#include "maplint/findings.h"

#include <algorithm>
#include <cstdint>

namespace maplint {
namespace {

std::string jsonString(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (uint8_t(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

int Findings::errors() const {
  return int(std::count_if(list_.begin(), list_.end(), [](const Finding& f) { return f.error; }));
}

std::vector<Finding> Findings::sorted() const {
  std::vector<Finding> out = list_;
  std::stable_sort(out.begin(), out.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return out;
}

void Findings::print(const std::string& file, FILE* out) const {
  for (const Finding& f : sorted())
    std::fprintf(out, "%s:%d: %s: %s%s\n", file.c_str(), f.line, f.error ? "error" : "warning",
                 f.message.c_str(),
                 f.suggestion.empty() ? "" : ("; did you mean '" + f.suggestion + "'?").c_str());
}

void printJson(const std::vector<std::pair<std::string, const Findings*>>& files, FILE* out) {
  std::fputs("[", out);
  const char* separator = "\n";
  for (const auto& [file, findings] : files)
    for (const Finding& f : findings->sorted()) {
      std::fprintf(out,
                   "%s  {\"file\": %s, \"line\": %d, \"severity\": \"%s\", \"message\": %s, "
                   "\"suggestion\": %s}",
                   separator, jsonString(file).c_str(), f.line, f.error ? "error" : "warning",
                   jsonString(f.message).c_str(),
                   f.suggestion.empty() ? "null" : jsonString(f.suggestion).c_str());
      separator = ",\n";
    }
  std::fputs(*separator == ',' ? "\n]\n" : "]\n", out);
}

}  // namespace maplint
