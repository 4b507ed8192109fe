// sprite_pack_file.cpp -- sprite packs on disk: the ".idx" frame sizes and the ".res" pixels
#include "common/sprite_pack_file.h"

#include <cctype>

#include "common/cli.h"

namespace tools {
namespace {

struct Token {
  std::string text;
  int line;
};

std::vector<Token> tokens(const std::string& text) {
  std::vector<Token> result;
  int line = 1;
  for (size_t i = 0; i < text.size();) {
    if (std::isspace(static_cast<unsigned char>(text[i]))) {
      line += text[i++] == '\n';
      continue;
    }
    const size_t start = i;
    while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    result.push_back(Token{text.substr(start, i - start), line});
  }
  return result;
}

bool endsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string packStem(const std::string& path) {
  for (const char* ending : {".idx", ".res", ".IDX", ".RES"})
    if (endsWith(path, ending)) return path.substr(0, path.size() - 4);
  return path;
}

std::string frameSizeProblem(int width, int height) {
  if (width >= 0 && height >= 0 && width <= kMaxFrameWidth && height <= kMaxFrameHeight) return "";
  return "is " + std::to_string(width) + " x " + std::to_string(height) +
         "; a frame must fit the game's 640 x 480 page";
}

std::string formatPackIndex(const std::vector<PackFrame>& frames) {
  std::string text = std::to_string(frames.size()) + "\r\n";
  for (const PackFrame& f : frames)
    text += std::to_string(f.width) + " " + std::to_string(f.height) + "\r\n";
  return text;
}

bool parsePackIndex(const std::string& text, const std::string& name,
                    std::vector<PackFrame>& frames, std::string& warning, std::string& error) {
  const std::vector<Token> t = tokens(text);
  if (t.empty()) return error = name + ": empty; an index starts with the frame count", false;
  std::vector<int> numbers;
  for (const Token& token : t) {
    int value = 0;
    if (!parseInt(token.text, -99999999, 99999999, value))
      return error =
                 name + ":" + std::to_string(token.line) + ": '" + token.text + "' is not a number",
             false;
    numbers.push_back(value);
  }
  const int count = numbers[0];
  if (count < 0 || count > common::kPackFrames)
    return error = name + ":" + std::to_string(t[0].line) + ": " + std::to_string(count) +
                   " frames; a pack holds 0 to 50",
           false;
  if (numbers.size() < size_t(1 + 2 * count))
    return error = name + ": names " + std::to_string(count) + " frames but gives " +
                   std::to_string((numbers.size() - 1) / 2) + " whole sizes",
           false;
  frames.assign(size_t(count), PackFrame{});
  for (int i = 0; i < count; ++i) {
    PackFrame& f = frames[size_t(i)];
    f.width = numbers[size_t(1 + 2 * i)];
    f.height = numbers[size_t(2 + 2 * i)];
    const std::string problem = frameSizeProblem(f.width, f.height);
    if (!problem.empty())
      return error = name + ":" + std::to_string(t[size_t(1 + 2 * i)].line) + ": frame " +
                     std::to_string(i) + " " + problem,
             false;
  }
  if (numbers.size() > size_t(1 + 2 * count))
    warning = name + ":" + std::to_string(t[size_t(1 + 2 * count)].line) +
              ": numbers after the last frame are not read";
  return true;
}

bool readSpritePack(const std::string& stem, std::vector<PackFrame>& frames, std::string& warning,
                    std::string& error) {
  std::string index, pixels;
  if (!readWholeFile(stem + ".idx", index, error) || !readWholeFile(stem + ".res", pixels, error))
    return false;
  if (!parsePackIndex(index, stem + ".idx", frames, warning, error)) return false;
  size_t needed = 0, endsIn = frames.size();
  for (size_t i = 0; i < frames.size(); ++i) {
    needed += size_t(frames[i].width) * size_t(frames[i].height);
    if (needed > pixels.size() && endsIn == frames.size()) endsIn = i;
  }
  if (needed > pixels.size())
    return error = stem + ".res is " + std::to_string(pixels.size()) + " bytes; " +
                   (frames.size() == 1 ? "the frame needs " : "the frames need ") +
                   std::to_string(needed) + " (it ends in frame " + std::to_string(endsIn) + ")",
           false;
  size_t at = 0;
  for (PackFrame& f : frames) {
    const size_t bytes = size_t(f.width) * size_t(f.height);
    f.pixels.assign(pixels.begin() + long(at), pixels.begin() + long(at + bytes));
    at += bytes;
  }
  if (at < pixels.size()) {
    if (!warning.empty()) warning += "\n";
    warning += stem + ".res: " + std::to_string(pixels.size() - at) +
               " bytes after the last frame are not read";
  }
  return true;
}

bool writeSpritePack(const std::string& stem, const std::vector<PackFrame>& frames,
                     std::string& error) {
  std::vector<uint8_t> pixels;
  for (const PackFrame& f : frames) pixels.insert(pixels.end(), f.pixels.begin(), f.pixels.end());
  const std::string index = formatPackIndex(frames);
  return writeWholeFile(stem + ".idx", index.data(), index.size(), error) &&
         writeWholeFile(stem + ".res", pixels.data(), pixels.size(), error);
}

}  // namespace tools
