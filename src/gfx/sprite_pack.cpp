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
#include "platform/data_warnings.h"
#include "platform/file_identity.h"
#include "platform/pixel_rows.h"

namespace gfx {

// A pack's two files, the index opened first and the pixel file only when it opened. Each
// that does not open is said.
struct PackFiles {
  char indexPath[300], pixelPath[300];
  FILE* index = nullptr;
  FILE* pixels = nullptr;

  explicit PackFiles(const char* name) {
    std::snprintf(indexPath, sizeof indexPath, "grim\\%s.idx", name);
    std::snprintf(pixelPath, sizeof pixelPath, "grim\\%s.res", name);
    index = platform::openDataFileOrWarn(indexPath, common::kSpriteIndexBound);
    // The reader takes only the frames the index gives, whatever the pixel file holds.
    if (index) pixels = platform::openDataFileOrWarn(pixelPath, platform::kNoSizeBound);
  }
  ~PackFiles() {
    if (index) std::fclose(index);
    if (pixels) std::fclose(pixels);
  }
  PackFiles(const PackFiles&) = delete;
  PackFiles& operator=(const PackFiles&) = delete;

  bool opened() const { return index && pixels; }
  // The same for every name of the same two files; the name itself where the system cannot
  // tell files apart.
  std::string identity(const char* name) const {
    const std::string i = platform::fileIdentity(index), p = platform::fileIdentity(pixels);
    return i.empty() || p.empty() ? std::string("name ") + name : i + " " + p;
  }
};

// The frame sizes an index file gives, read whole before any pixel.
struct PackIndex {
  bool counted = false;  // whether it begins with a frame count
  int named = 0;         // the frame count it gives (0 for none, or one below 0)
  int read = 0;          // the sizes it gives, up to the 50 slots
  int32_t widths[kPackFrames] = {};
  int32_t heights[kPackFrames] = {};
};

namespace {

constexpr size_t kIndexBuffer = 1024;
constexpr size_t kDataBuffer = 64 * 1024;

bool validFrame(int frame) { return frame >= 0 && frame < kPackFrames; }

PackIndex readIndex(FILE* f) {
  PackIndex x;
  x.counted = std::fscanf(f, "%d", &x.named) == 1;
  if (!x.counted || x.named < 0) x.named = 0;
  // The pack has 50 slots: a longer index is cut to its first 50 frames.
  const int slots = std::min(x.named, kPackFrames);
  // An index that ends early leaves the remaining frames empty.
  while (x.read < slots && std::fscanf(f, "%d %d", &x.widths[x.read], &x.heights[x.read]) == 2)
    ++x.read;
  return x;
}

// The frames that load are those before the first with a negative size, where loading stops.
int framesToLoad(const PackIndex& x) {
  int n = 0;
  while (n < x.read && x.widths[n] >= 0 && x.heights[n] >= 0) ++n;
  return n;
}

// Frames larger than the page can never be drawn whole; a pack with one is refused.
bool framesFitThePage(const PackIndex& x, const char* indexPath) {
  for (int i = 0, n = framesToLoad(x); i < n; ++i) {
    if (x.widths[i] <= common::kMaxFrameWidth && x.heights[i] <= common::kMaxFrameHeight) continue;
    const auto size = [](int w, int h) { return std::to_string(w) + " x " + std::to_string(h); };
    platform::warnDataFile(indexPath, "frame " + std::to_string(i) + " is " +
                                          size(x.widths[i], x.heights[i]) + ", larger than the " +
                                          size(common::kMaxFrameWidth, common::kMaxFrameHeight) +
                                          " page");
    return false;
  }
  return true;
}

size_t frameBytes(const PackIndex& x) {
  size_t bytes = 0;
  for (int i = 0, n = framesToLoad(x); i < n; ++i)
    bytes += size_t(x.widths[i]) * size_t(x.heights[i]);
  return bytes;
}

void warnOfShortIndex(const PackIndex& x, const char* indexPath) {
  const std::string named = std::to_string(x.named);
  if (!x.counted) platform::warnDataFile(indexPath, "gives no frame count");
  if (x.named > kPackFrames)
    platform::warnDataFile(indexPath, "names " + named + " frames; only the first 50 are kept");
  if (x.read < std::min(x.named, kPackFrames))
    platform::warnDataFile(
        indexPath, "gives the sizes of " + std::to_string(x.read) + " of its " + named + " frames");
}

// The frames read from each pair of files while a PackSharing scope lives, with the result
// of that reading.
struct SharedRead {
  std::shared_ptr<SpritePack> owner;
  PackLoad result = PackLoad::kLoaded;
};
struct SharedReads {
  std::map<std::string, SharedRead> byFiles;  // by PackFiles::identity
  size_t bytes = 0;                           // the frame bytes of the packs accepted
};
// The reads of the outermost PackSharing that lives, if one does.
std::unique_ptr<SharedReads> sharedReads;

}  // namespace

PackSharing::PackSharing() : outermost_(sharedReads == nullptr) {
  if (outermost_) sharedReads = std::make_unique<SharedReads>();
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
  PackFiles files(name);
  // Missing files leave the pack as it was, frame count included; so does a refused pack.
  if (!files.opened()) return PackLoad::kFileMissing;
  if (!sharedReads) return readFiles(files, nullptr);
  SharedRead& read = sharedReads->byFiles[files.identity(name)];
  if (!read.owner) {
    read.owner = std::make_shared<SpritePack>();
    read.result = read.owner->readFiles(files, &sharedReads->bytes);
  }
  if (read.result == PackLoad::kOverBounds) return read.result;
  const SpritePack& from = *read.owner;
  std::copy(from.pixels, from.pixels + kPackFrames, pixels);
  std::copy(from.rows, from.rows + kPackFrames, rows);
  std::copy(from.widths, from.widths + kPackFrames, widths);
  std::copy(from.heights, from.heights + kPackFrames, heights);
  frameCount = from.frameCount;
  shared_ = read.owner;
  return read.result;
}

PackLoad SpritePack::readFiles(PackFiles& files, size_t* mapBytes) {
  // Buffers of our own, kept for the next pack: a figure's files come in one read
  // each, where the C library would take 4 KB at a time and ask for their sizes.
  thread_local std::vector<char> indexBuffer(kIndexBuffer), dataBuffer(kDataBuffer);
  std::setvbuf(files.index, indexBuffer.data(), _IOFBF, kIndexBuffer);
  std::setvbuf(files.pixels, dataBuffer.data(), _IOFBF, kDataBuffer);

  const PackIndex index = readIndex(files.index);
  if (!framesFitThePage(index, files.indexPath)) return PackLoad::kOverBounds;
  if (mapBytes) {
    const size_t bytes = frameBytes(index);
    if (*mapBytes + bytes > common::kMapPackBudget) {
      platform::warnDataFile(files.indexPath, "its " + std::to_string(bytes) +
                                                  " bytes of frames would take the map's packs "
                                                  "past their budget of " +
                                                  std::to_string(common::kMapPackBudget) +
                                                  " bytes");
      return PackLoad::kOverBounds;
    }
    *mapBytes += bytes;
  }
  warnOfShortIndex(index, files.indexPath);
  frameCount = std::min(index.named, kPackFrames);
  return readFrames(files, index);
}

PackLoad SpritePack::readFrames(PackFiles& files, const PackIndex& index) {
  bool cutSaid = false;
  for (int i = 0; i < index.read; ++i) {
    const int w = index.widths[i], h = index.heights[i];
    const std::string frame = "frame " + std::to_string(i);
    if (w < 0 || h < 0) {
      platform::warnDataFile(files.indexPath, frame + " has a size below 0");
      return PackLoad::kNoPixelMemory;
    }
    const size_t bytes = size_t(w) * size_t(h);
    std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[bytes]);
    std::unique_ptr<uint8_t*[]> table(block ? new (std::nothrow) uint8_t*[size_t(h)] : nullptr);
    if (!block || !table) {
      platform::warnDataFile(files.pixelPath, "no memory for " + frame);
      return block ? PackLoad::kNoRowMemory : PackLoad::kNoPixelMemory;
    }
    for (int r = 0; r < h; ++r) table[r] = block.get() + size_t(r) * size_t(w);
    // Only a read that yields nothing fails; a short last block keeps what came, and
    // the pixels the file did not have are transparent rather than whatever the memory held.
    const size_t got = bytes > 0 ? std::fread(block.get(), 1, bytes, files.pixels) : 0;
    if (got < bytes && !cutSaid)
      platform::warnDataFile(files.pixelPath,
                             "ends " + std::string(got ? "inside " : "before ") + frame);
    cutSaid = cutSaid || got < bytes;
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
