// file_watch.h -- noticing that data files were rewritten (inotify, or their times and sizes)
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

// Watches a few data files for being rewritten or replaced. A check never waits: the game
// asks between frames.
class FileWatcher {
 public:
  virtual ~FileWatcher() = default;
  // From now on these files (data paths, with backslashes) and no others. What they hold now is
  // what later changes are measured against; changes noticed before are dropped.
  virtual void watch(const std::vector<std::string>& paths) = 0;
  // The watched files (as watch() was given them) written and closed, or moved into place,
  // since the last look. A removed file counts only once it is back: an editor that moves the
  // old file away before writing the new one is not caught in between.
  virtual std::vector<std::string> changed() = 0;
};

enum class WatchMethod {
  kBest,     // inotify on Linux; polling elsewhere, or when inotify cannot be had
  kPolling,  // each file's time and size, on any system
};
// Polling reports a change once the file has kept its new time and size over one more check,
// so that a file caught in the middle of its writing is not read.
std::unique_ptr<FileWatcher> makeFileWatcher(WatchMethod method = WatchMethod::kBest);

}  // namespace platform
