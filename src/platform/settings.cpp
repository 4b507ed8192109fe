// settings.cpp -- the player's settings file: its keys, its place, reading and writing it
#include "platform/settings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/keyboard.h"
#include "platform/user_dirs.h"

namespace platform {
namespace {

std::string lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool wholeNumber(const std::string& text, int min, int max, int& out) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  out = std::atoi(text.c_str());
  return out >= min && out <= max;
}

bool choice(const std::string& text, const char* yes, const char* no, bool& out) {
  const std::string t = lower(text);
  if (t == yes) return out = true, true;
  if (t == no) return out = false, true;
  return false;
}

// Reads one known key; "" when its value is right, else why not.
std::string readValue(const std::string& key, const std::string& value, Settings& s,
                      std::map<uint8_t, std::string>& boundKeys) {
  WindowOptions& w = s.window;
  if (key == "fullscreen")
    return choice(value, "yes", "no", w.fullScreen) ? "" : "fullscreen is yes or no";
  if (key == "scale") {
    if (lower(value) == "auto") return w.scale = 0, "";
    return wholeNumber(value, 1, 16, w.scale) ? "" : "scale is auto or 1 to 16";
  }
  if (key == "window_size") {
    if (lower(value) == "auto") return w.windowWidth = w.windowHeight = 0, "";
    const size_t x = lower(value).find('x');
    int width = 0, height = 0;
    if (x == std::string::npos || !wholeNumber(value.substr(0, x), 1, 16384, width) ||
        !wholeNumber(value.substr(x + 1), 1, 16384, height))
      return "window_size is auto or WIDTHxHEIGHT, such as 1280x960";
    w.windowWidth = width;
    w.windowHeight = height;
    return "";
  }
  if (key == "display")
    return wholeNumber(value, 0, 63, w.display) ? "" : "display is a number from 0";
  if (key == "filter") {
    bool sharp = false;
    if (!choice(value, "sharp", "whole", sharp)) return "filter is whole or sharp";
    w.filter = sharp ? ScaleFilter::sharp : ScaleFilter::whole;
    return "";
  }
  if (key == "frame_counter")
    return choice(value, "shown", "hidden", s.frameCounterShown)
               ? ""
               : "frame_counter is shown or hidden";
  if (key == "gamepad") return choice(value, "on", "off", w.gamepad) ? "" : "gamepad is on or off";
  for (const GameKey& g : gameKeys()) {
    if (key != std::string("key.") + g.name) continue;
    std::vector<uint8_t> codes;
    std::string token;
    std::string names = value;
    std::replace(names.begin(), names.end(), ',', ' ');
    std::istringstream words(names);
    while (words >> token) {
      for (char& c : token) c = char(std::toupper(static_cast<unsigned char>(c)));
      uint8_t code = 0;
      if (!parseDikKey(token, code)) return "unknown key '" + token + "'";
      const auto [bound, fresh] = boundKeys.emplace(code, g.name);
      if (!fresh && bound->second != g.name)
        return "key " + token + " is bound to " + bound->second + " already";
      codes.push_back(code);
    }
    w.keys.bind(g.code, codes);
    return "";
  }
  return "";  // a key of another version of the game: kept, not used
}

}  // namespace

bool readSettings(const SettingsFile& file, Settings& settings, LineProblems& problems) {
  bool right = true;
  std::map<uint8_t, std::string> boundKeys;
  for (const SettingsFile::Entry& e : file.entries()) {
    Settings tried = settings;
    const std::string why = readValue(e.key, e.value, tried, boundKeys);
    if (why.empty()) {
      settings = tried;
    } else {
      problems.add(e.line, why + ", not '" + e.value + "'");
      right = false;
    }
  }
  return right;
}

std::string settingsPath() {
  const std::string home = configHome();
  return home.empty() ? "" : home + "/pelmo/settings.ini";
}

bool SettingsStore::load(const std::string& path, Settings& settings, std::string& error) {
  path_ = path;
  file_ = SettingsFile{};
  writable_ = false;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    // A missing file is written anew when the player changes something; one that is
    // there but cannot be read is left alone.
    std::error_code ec;
    writable_ = !std::filesystem::exists(path, ec) && !ec;
    if (writable_) return true;
    error = path + ": cannot be read; the default settings are used";
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  LineProblems problems;
  writable_ = file_.parse(text.str(), problems);
  if (readSettings(file_, settings, problems) && writable_) return true;
  error = problems.message(path) + "; the defaults are used for what is wrong" +
          (writable_ ? "" : ", and the file is left as it is");
  return false;
}

bool SettingsStore::storeWindow(bool fullScreen, int windowWidth, int windowHeight,
                                std::string& error) {
  if (!writable_) {
    error = path_ + ": not written over, as it could not be read";
    return false;
  }
  file_.set("fullscreen", fullScreen ? "yes" : "no");
  if (windowWidth > 0 && windowHeight > 0)
    file_.set("window_size", std::to_string(windowWidth) + "x" + std::to_string(windowHeight));
  return replaceFile(path_, file_.text(), error);
}

}  // namespace platform
