// data_check.cpp -- the files of the data folder that a map names
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "common/data_formats.h"
#include "maplint/map_lint.h"
#include "maplint/map_words.h"

namespace maplint {
namespace {

namespace fs = std::filesystem;

class DataFolder {
 public:
  DataFolder(const std::string& dir, Findings& findings) : dir_(dir), findings_(findings) {}

  // The game's relative path ("grim\NAME.res", with the name's own backslashes) in the folder.
  fs::path path(const std::string& folder, const std::string& name, const char* ext) const {
    std::string relative = folder + "/" + name + ext;
    for (char& c : relative)
      if (c == '\\') c = '/';
    return fs::path(dir_) / relative;
  }

  // Reports a missing file; true when it is there.
  bool need(const fs::path& file, const std::string& what, int line) {
    std::error_code ec;
    if (fs::is_regular_file(file, ec)) return true;
    findings_.error(line, what + " " + shownPath(file) + " is missing");
    return false;
  }

  std::string shownPath(const fs::path& file) const {
    return shown(fs::relative(file, dir_).generic_string());
  }

  // The first word of a cut-scene script: the name of its picture and palette.
  static std::string pictureOf(const fs::path& script) {
    std::ifstream in(script, std::ios::binary);
    std::string word;
    in >> word;
    return word;
  }

  Findings& findings() { return findings_; }

 private:
  std::string dir_;
  Findings& findings_;
};

void checkBackground(DataFolder& data, const NamedFile& bg) {
  const fs::path file = data.path("map", bg.name, ".res");
  if (!data.need(file, "map picture", bg.line)) return;
  std::error_code ec;
  const uintmax_t size = fs::file_size(file, ec);
  if (!ec && size != common::kMapPictureBytes)
    data.findings().warning(bg.line, "map picture " + data.shownPath(file) + " is " +
                                         std::to_string(size) + " bytes, not 226560 (1280 x 177)");
}

void checkVisual(DataFolder& data, const NamedFile& visual) {
  const fs::path script = data.path("visual", visual.name, ".if");
  if (!data.need(script, "cut-scene script", visual.line)) return;
  const std::string picture = DataFolder::pictureOf(script);
  if (picture.empty()) {
    data.findings().error(visual.line, "cut-scene script " + data.shownPath(script) +
                                           " is empty: its first word names its picture");
    return;
  }
  const std::string what = "cut-scene " + shown(visual.name) + ":";
  data.need(data.path("grim", picture, ".res"), what + " picture", visual.line);
  data.need(data.path("grim", picture, ".pal"), what + " palette", visual.line);
}

}  // namespace

void checkDataFiles(const MapFacts& facts, const std::string& dataDir, Findings& findings) {
  DataFolder data(dataDir, findings);
  if (!facts.background.name.empty()) checkBackground(data, facts.background);
  for (const ActorFacts& a : facts.actors) {
    if (a.pack.name.empty()) continue;
    const std::string what = "sprite pack " + shown(a.pack.name) + ":";
    data.need(data.path("grim", a.pack.name, ".idx"), what, a.pack.line);
    data.need(data.path("grim", a.pack.name, ".res"), what, a.pack.line);
  }
  for (const NamedFile& v : facts.visuals) checkVisual(data, v);
  for (const Warp& w : facts.warps)
    data.need(data.path("map", w.map.name, ".if"), "warp target", w.map.line);
}

}  // namespace maplint
