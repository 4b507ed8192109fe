// visual_loader.cpp -- reading a cut-scene: its script, its picture and its palette
#include <cstdio>
#include <cstring>
#include <string>

#include "common/data_formats.h"
#include "display/display_device.h"
#include "display/palette.h"
#include "gfx/load_messages.h"
#include "platform/data_file.h"
#include "platform/data_warnings.h"
#include "platform/message_box.h"
#include "visual/visual_keywords.h"
#include "visual/visual_loader_detail.h"
#include "visual/visual_mode.h"

namespace visual {
namespace {

bool isBlank(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The script file read byte by byte, with the number of the line being read and the first
// fault found (a line or a script too long for its table), for the message that names them.
struct ScriptText {
  FILE* f;
  int line = 1;
  int faultLine = 0;
  const char* fault = nullptr;

  int get() {
    const int c = std::fgetc(f);
    if (c == '\n') ++line;
    return c;
  }
  void unget(int c) {
    if (c == EOF) return;
    if (c == '\n') --line;
    std::ungetc(c, f);
  }
  void report(const char* reason) {
    if (fault) return;
    fault = reason;
    faultLine = line;
  }
};

// The next whitespace-separated word, at most size - 1 bytes kept (the rest is read,
// dropped and reported). False at the end of the file.
bool readWord(ScriptText& t, char* out, size_t size) {
  int c;
  while ((c = t.get()) != EOF && isBlank(c)) {
  }
  if (c == EOF) return false;
  size_t n = 0;
  do {
    if (n + 1 < size)
      out[n++] = char(c);
    else
      t.report(keyword::kLineTooLong);
  } while ((c = t.get()) != EOF && !isBlank(c));
  out[n] = '\0';
  t.unget(c);
  return true;
}

// Appends the rest of the line to line, up to its CR; the LF after the CR is skipped.
// A file with bare LF line ends still ends its lines there. What does not fit the cell is
// dropped and reported.
void appendRestOfLine(ScriptText& t, char* line) {
  size_t n = std::strlen(line);
  int c;
  while ((c = t.get()) != EOF && c != '\r' && c != '\n') {
    if (n + 1 < size_t(kLineSize))
      line[n++] = char(c);
    else
      t.report(keyword::kLineTooLong);
  }
  line[n] = '\0';
  if (c == '\r') {
    const int next = t.get();
    if (next != '\n') t.unget(next);
  }
}

void failWith(const char* text, const char* title) { platform::messageBox(title, text); }

// "<path>, <line>번째 줄: <reason>" under "에러", as for a malformed map file.
void reportFault(const char* path, const ScriptText& t) {
  const std::string message =
      std::string(path) + ", " + std::to_string(t.faultLine) + keyword::kLineSuffix + t.fault;
  platform::messageBox(gfx::text::kErrorTitle, message);
}

// The script's lines; the end of the file, or the last slot, ends it as "#끝" would. A line
// too long for its cell keeps its first 254 bytes, and a script with more lines than the table
// holds is cut before the first line that has no room; both are reported at their line.
void readScriptLines(ScriptText& t) {
  VisualState& v = visualState();
  std::memset(v.VisualScript, 0, sizeof v.VisualScript);
  for (int k = 0; k < kScriptLines; ++k) {
    char* line = v.VisualScript[k];
    if (!readWord(t, line, kLineSize)) {
      std::strcpy(line, keyword::kEnd);
      return;
    }
    if (std::strcmp(line, keyword::kEnd) == 0) return;
    if (k == kScriptLines - 1) {
      t.report(keyword::kTooManyLines);
      std::strcpy(line, keyword::kEnd);
      return;
    }
    appendRestOfLine(t, line);
  }
}

// The scene's own colours into both palettes, the map's kept to be put back at the end. False,
// changing nothing, when the file does not open.
bool readScenePalette(const char* path) {
  FILE* palette = platform::openDataFileOrWarn(path, common::kCutScenePaletteBound);
  if (!palette) return false;
  VisualState& v = visualState();
  auto& d = display::displayState();
  size_t got = 0;
  // Bytes past the end of a short file read as 255, as the game palette's do.
  const auto next = [palette, &got] {
    const int c = std::fgetc(palette);
    got += c != EOF;
    return uint8_t(c);
  };
  for (int i = 0; i < common::kPaletteColours; ++i) {
    v.SavedBasePalette[i] = d.BasePalette[i];
    d.WorkingPalette[i].red = d.BasePalette[i].red = next();
    d.WorkingPalette[i].green = d.BasePalette[i].green = next();
    d.WorkingPalette[i].blue = d.BasePalette[i].blue = next();
  }
  std::fclose(palette);
  if (got < common::kPaletteColourBytes)
    platform::warnDataFile(
        path, got ? platform::endsAfter(got, common::kPaletteColourBytes) : platform::kEmpty);
  return true;
}

}  // namespace

// Reads the picture file into VisualPicture: read, or the file cannot be opened, or it is empty.
PictureRead readPicture() {
  VisualState& v = visualState();
  FILE* f = platform::openDataFileOrWarn(v.VisualPicturePath, common::kCutScenePictureBytes);
  if (!f) return PictureRead::kNoFile;
  uint8_t* bits = nullptr;
  v.VisualPicture->lock(&bits);
  v.VisualPicture->unlock();
  const size_t got = std::fread(bits, 1, common::kCutScenePictureBytes, f);
  std::fclose(f);
  if (got < common::kCutScenePictureBytes)
    platform::warnDataFile(
        v.VisualPicturePath,
        got ? platform::endsAfter(got, common::kCutScenePictureBytes) : platform::kEmpty);
  return got > 0 ? PictureRead::kRead : PictureRead::kEmpty;
}

VisualLoad loadVisualScene(const char* name) {
  VisualState& v = visualState();
  // A scene left by the key 1 is still marked as playing: a failed load must not replay it.
  v.VisualPlaying = 0;
  v.PaletteSaved = false;
  char path[512];
  std::snprintf(path, sizeof path, "visual\\%s.if", name);
  FILE* script = platform::openDataFileOrWarn(path, common::kCutSceneScriptBound);
  if (!script) return failWith(keyword::kNoScript, ".."), VisualLoad::kNoScript;

  // The picture's name, short enough for its path to fit VisualPicturePath.
  ScriptText text{script};
  char picture[241] = "";
  readWord(text, picture, sizeof picture);
  if (display::displayState().DisplayDevice->createSurface(
          common::kCutScenePictureWidth, common::kCutScenePictureHeight,
          platform::SurfaceKind::OffscreenPlain, v.VisualPicture) != platform::DD_OK) {
    std::fclose(script);
    return failWith(keyword::kNoSurface, gfx::text::kErrorTitle), VisualLoad::kNoSurface;
  }
  std::snprintf(v.VisualPicturePath, sizeof v.VisualPicturePath, "grim\\%s.res", picture);
  switch (readPicture()) {
    case PictureRead::kNoFile:
      std::fclose(script);
      return failWith(keyword::kNoPicture, v.VisualPicturePath), VisualLoad::kNoPictureFile;
    case PictureRead::kEmpty:
      std::fclose(script);
      return failWith(keyword::kEmptyPicture, gfx::text::kErrorTitle), VisualLoad::kEmptyPicture;
    case PictureRead::kRead:
      break;
  }
  readScriptLines(text);
  std::fclose(script);
  // The scene still plays what was read, as a malformed map is played as far as it was read.
  if (text.fault) reportFault(path, text);
  v.VisualRect = pictureRect();

  std::snprintf(path, sizeof path, "grim\\%s.pal", picture);
  if (!readScenePalette(path)) return VisualLoad::kNoPalette;
  v.PaletteSaved = true;
  display::SendPalette();

  std::memset(v.VisualText, 0, sizeof v.VisualText);
  v.VisualLine = v.VisualChar = v.VisualRow = v.VisualRowPos = 0;
  v.VisualTextX = v.VisualTextY = v.VisualWaiting = 0;
  v.VisualPlaying = 1;
  return VisualLoad::kLoaded;
}

}  // namespace visual
