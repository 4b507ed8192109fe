// fonts.cpp -- reading the font files into the fixed font tables
#include "gfx/fonts.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "gfx/gfx_state.h"
#include "platform/data_file.h"
#include "platform/data_warnings.h"

namespace gfx {

namespace {

// A font file, opened and read in parts, each to its size. A short part is accepted and only a
// part that yields nothing fails the load; both are said.
class FontFile {
 public:
  explicit FontFile(const char* path, size_t size) : path_(path), size_(size) {
    f_ = platform::openDataFileOrWarn(path, size);
  }
  ~FontFile() {
    if (!f_) return;
    std::fclose(f_);
    if (got_ < size_)
      platform::warnDataFile(path_, got_ ? platform::endsAfter(got_, size_) : platform::kEmpty);
  }
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  bool opened() const { return f_ != nullptr; }
  bool readSome(uint8_t* into, size_t count) {
    const size_t got = std::fread(into, 1, count, f_);
    got_ += got;
    return got > 0;
  }

 private:
  const char* path_;
  size_t size_;
  size_t got_ = 0;
  FILE* f_ = nullptr;
};

bool loadAsciiFont() {
  FontFile f("grim\\EngFont.fnt", kAsciiFontBytes);
  if (!f.opened()) return false;
  auto& asciiFont = gfxState().asciiFont;
  if (!asciiFont) asciiFont.reset(new (std::nothrow) uint8_t[kAsciiFontBytes]());
  return asciiFont && f.readSome(asciiFont.get(), kAsciiFontBytes);
}

bool loadHangulFont() {
  FontFile f("grim\\HanFont.fnt", kHangulFontBytes);
  if (!f.opened()) return false;
  auto& g = gfxState();
  return f.readSome(g.hangulInitials, kInitialBytes) && f.readSome(g.hangulMedials, kMedialBytes) &&
         f.readSome(g.hangulFinals, kFinalBytes);
}

bool loadSyllableCodes() {
  FontFile f("grim\\han.inf", kSyllableCodeBytes);
  return f.opened() && f.readSome(gfxState().syllableCodes, kSyllableCodeBytes);
}

}  // namespace

int loadFonts() { return loadAsciiFont() && loadHangulFont() && loadSyllableCodes() ? 1 : 0; }

void freeAsciiFont() { gfxState().asciiFont.reset(); }

}  // namespace gfx
