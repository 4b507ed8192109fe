// sprite_pack.cpp -- loading sprite packs from their index and pixel files, and drawing frames
#include "gfx/sprite_pack.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "display/display_state.h"
#include "display/pixel_page.h"
#include "platform/data_file.h"
#include "platform/pixel_rows.h"

namespace gfx {
namespace {

// Larger frames than these cannot be drawn inside the page; such sizes in an
// index file are refused like a failed allocation instead of reserving gigabytes.
constexpr int64_t kMaxFrameBytes = int64_t(1) << 24;
constexpr int32_t kMaxFrameRows = 1 << 16;

constexpr size_t kIndexBuffer = 1024;
constexpr size_t kDataBuffer = 64 * 1024;

bool validFrame(int frame) { return frame >= 0 && frame < kPackFrames; }

struct OpenFile {
  FILE* f = nullptr;
  OpenFile(const char* path, uint64_t bound) : f(platform::openDataFile(path, bound)) {}
  ~OpenFile() {
    if (f) std::fclose(f);
  }
};

// The frames read under each name while a PackSharing scope lives, with the
// result of that reading.
struct SharedRead {
  std::shared_ptr<SpritePack> owner;
  PackLoad result = PackLoad::kLoaded;
};
// The reads of the outermost PackSharing that lives, if one does.
std::unique_ptr<std::map<std::string, SharedRead>> sharedReads;

}  // namespace

PackSharing::PackSharing() : outermost_(sharedReads == nullptr) {
  if (outermost_) sharedReads = std::make_unique<std::map<std::string, SharedRead>>();
}

PackSharing::~PackSharing() {
  if (!outermost_) return;
  sharedReads.reset();  // the packs that share frames keep them alive
}

void SpritePack::reset() {
  std::fill(pixels, pixels + kPackFrames, nullptr);
  std::fill(rows, rows + kPackFrames, nullptr);
  std::fill(widths, widths + kPackFrames, 0);
  std::fill(heights, heights + kPackFrames, 0);
}

PackLoad SpritePack::load(const char* name) {
  release();
  if (!sharedReads) return readFiles(name);
  SharedRead& read = (*sharedReads)[name];
  if (!read.owner) {
    read.owner = std::make_shared<SpritePack>();
    read.result = read.owner->readFiles(name);
  }
  // Missing files leave the pack as it was, frame count included.
  if (read.result == PackLoad::kFileMissing) return read.result;
  const SpritePack& from = *read.owner;
  std::copy(from.pixels, from.pixels + kPackFrames, pixels);
  std::copy(from.rows, from.rows + kPackFrames, rows);
  std::copy(from.widths, from.widths + kPackFrames, widths);
  std::copy(from.heights, from.heights + kPackFrames, heights);
  frameCount = from.frameCount;
  shared_ = read.owner;
  return read.result;
}

PackLoad SpritePack::readFiles(const char* name) {
  char indexPath[300], pixelPath[300];
  std::snprintf(indexPath, sizeof indexPath, "grim\\%s.idx", name);
  std::snprintf(pixelPath, sizeof pixelPath, "grim\\%s.res", name);
  OpenFile index(indexPath, common::kSpriteIndexBound);
  if (!index.f) return PackLoad::kFileMissing;
  // The reader takes only the frames the index gives, whatever the file holds.
  OpenFile data(pixelPath, platform::kNoSizeBound);
  if (!data.f) return PackLoad::kFileMissing;
  // Buffers of our own, kept for the next pack: a figure's files come in one read
  // each, where the C library would take 4 KB at a time and ask for their sizes.
  thread_local std::vector<char> indexBuffer(kIndexBuffer), dataBuffer(kDataBuffer);
  std::setvbuf(index.f, indexBuffer.data(), _IOFBF, kIndexBuffer);
  std::setvbuf(data.f, dataBuffer.data(), _IOFBF, kDataBuffer);

  int count = 0;
  if (std::fscanf(index.f, "%d", &count) != 1 || count < 0) count = 0;
  // The pack has 50 slots: a longer index is cut to its first 50 frames.
  frameCount = std::min(count, kPackFrames);

  for (int i = 0; i < frameCount; ++i) {
    int w = 0, h = 0;
    // An index that ends early leaves the remaining frames empty.
    if (std::fscanf(index.f, "%d %d", &w, &h) != 2) break;
    const int64_t bytes = int64_t(w) * int64_t(h);
    if (w < 0 || h < 0 || bytes > kMaxFrameBytes) return PackLoad::kNoPixelMemory;
    std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[size_t(bytes)]);
    if (!block) return PackLoad::kNoPixelMemory;
    std::unique_ptr<uint8_t*[]> table(h > kMaxFrameRows ? nullptr
                                                        : new (std::nothrow) uint8_t*[size_t(h)]);
    if (!table) return PackLoad::kNoRowMemory;
    for (int r = 0; r < h; ++r) table[r] = block.get() + size_t(r) * size_t(w);
    // Only a read that yields nothing fails; a short last block keeps what came, and
    // the pixels the file did not have are transparent rather than whatever the memory held.
    const size_t got = bytes > 0 ? std::fread(block.get(), 1, size_t(bytes), data.f) : 0;
    if (bytes > 0 && got == 0) return PackLoad::kPixelsEnded;
    std::fill(block.get() + got, block.get() + bytes, kTransparent);
    pixels[i] = block.get();
    rows[i] = table.get();
    ownedPixels_[i] = std::move(block);
    ownedRows_[i] = std::move(table);
    widths[i] = w;
    heights[i] = h;
  }
  return PackLoad::kLoaded;
}

void SpritePack::draw(int x, int y, int frame) const {
  const auto& APAGE = display::displayState().APAGE;
  if (!validFrame(frame) || !pixels[frame] || !APAGE || !APAGE->bound()) return;
  // The page ends at its own edges; whatever lies beyond them is not drawn.
  const int r0 = std::max(0, -y), r1 = std::min(heights[frame], display::kPageHeight - y);
  const int c0 = std::max(0, -x), c1 = std::min(widths[frame], display::kPageWidth - x);
  if (c0 >= c1) return;
  // Whole rows: the frame's row and the page's row are looked up once each.
  for (int r = r0; r < r1; ++r)
    platform::copyRowKeyed(APAGE->row(y + r) + x + c0, rows[frame][r] + c0, size_t(c1 - c0),
                           kTransparent);
}

void SpritePack::release() {
  for (int i = 0; i < kPackFrames; ++i) {
    if (!pixels[i]) continue;
    ownedPixels_[i].reset();
    ownedRows_[i].reset();
    pixels[i] = nullptr;
    rows[i] = nullptr;
    widths[i] = heights[i] = 0;
  }
  shared_.reset();
}

int SpritePack::width(int frame) const { return validFrame(frame) ? widths[frame] : 0; }
int SpritePack::height(int frame) const { return validFrame(frame) ? heights[frame] : 0; }

}  // namespace gfx
