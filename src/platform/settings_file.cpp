// settings_file.cpp -- reading and rewriting a "key = value" file line by line
#include "platform/settings_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace platform {
namespace {

constexpr const char* kBlank = " \t";

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(kBlank);
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(kBlank) - a + 1);
}

bool isComment(const std::string& t) { return t.empty() || t[0] == '#' || t[0] == ';'; }

}  // namespace

void LineProblems::add(int atLine, const std::string& reason) {
  if (count++ == 0 || atLine < line) {
    line = atLine;
    why = reason;
  }
}

std::string LineProblems::message(const std::string& path) const {
  std::string text = path + ":" + std::to_string(line) + ": " + why;
  if (count > 1) text += " (and " + std::to_string(count - 1) + " more wrong lines)";
  return text;
}

bool SettingsFile::parse(const std::string& text, LineProblems& problems) {
  lines_.clear();
  entries_.clear();
  crlf_ = text.find("\r\n") != std::string::npos;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(line);
    start = end + 1;
  }
  bool wellFormed = true;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string t = trimmed(lines_[i]);
    if (isComment(t)) continue;
    const size_t eq = t.find('=');
    const std::string key = eq == std::string::npos ? "" : trimmed(t.substr(0, eq));
    if (key.empty() || key.find_first_of(kBlank) != std::string::npos) {
      problems.add(int(i + 1), "expected 'key = value', not '" + t + "'");
      wellFormed = false;
      continue;
    }
    entries_.push_back({key, trimmed(t.substr(eq + 1)), int(i + 1)});
  }
  return wellFormed;
}

void SettingsFile::set(const std::string& key, const std::string& value) {
  for (auto e = entries_.rbegin(); e != entries_.rend(); ++e) {
    if (e->key != key) continue;
    // The line keeps its indentation and the key as written.
    std::string& line = lines_[size_t(e->line - 1)];
    const size_t eq = line.find('=');
    line = line.substr(0, eq) + "= " + value;
    e->value = value;
    return;
  }
  lines_.push_back(key + " = " + value);
  entries_.push_back({key, value, int(lines_.size())});
}

std::string SettingsFile::text() const {
  std::string out;
  for (const std::string& line : lines_) out += line + (crlf_ ? "\r\n" : "\n");
  return out;
}

bool replaceFile(const std::string& path, const std::string& text, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  const fs::path temporary = target.string() + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      error = temporary.string() + ": cannot be written";
      fs::remove(temporary, ec);
      return false;
    }
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    error = path + ": cannot be replaced: " + ec.message();
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace platform
