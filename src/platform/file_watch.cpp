// file_watch.cpp -- the file watchers: inotify on Linux, the files' times and sizes elsewhere
#include "platform/file_watch.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <utility>

#include "platform/data_file.h"

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/inotify.h>
#include <unistd.h>

#define PELMO_HAVE_INOTIFY 1
#endif

namespace platform {
namespace {

namespace fs = std::filesystem;

struct Stamp {
  bool exists = false;
  uintmax_t size = 0;
  fs::file_time_type time{};
  bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const std::string& path) {
  std::error_code failed;
  Stamp s;
  s.size = fs::file_size(path, failed);
  if (failed) return Stamp{};
  s.time = fs::last_write_time(path, failed);
  if (failed) return Stamp{};
  s.exists = true;
  return s;
}

class PollingWatcher : public FileWatcher {
 public:
  void watch(const std::vector<std::string>& paths) override {
    files_.clear();
    for (const std::string& p : paths) {
      if (!insideDataFolder(p.c_str())) continue;
      const Stamp now = stampOf(nativePath(p.c_str()));
      files_.push_back({p, now, now});
    }
  }

  std::vector<std::string> changed() override {
    std::vector<std::string> paths;
    for (File& f : files_) {
      const Stamp now = stampOf(nativePath(f.path.c_str()));
      if (now.exists && now == f.seen && !(now == f.known)) {
        f.known = now;
        paths.push_back(f.path);
      }
      f.seen = now;
    }
    return paths;
  }

 private:
  struct File {
    std::string path;  // as watch() was given it
    Stamp known;       // what the game last read
    Stamp seen;        // what the last check found
  };
  std::vector<File> files_;
};

#ifdef PELMO_HAVE_INOTIFY
// Watches the folders that hold the files, for files closed after writing and files moved in:
// an editor that writes a new file and renames it over the old one is seen as well.
class InotifyWatcher : public FileWatcher {
 public:
  explicit InotifyWatcher(int fd) : fd_(fd) {}
  ~InotifyWatcher() override { ::close(fd_); }

  void watch(const std::vector<std::string>& paths) override {
    for (const auto& [wd, folder] : folders_) inotify_rm_watch(fd_, wd);
    folders_.clear();
    files_.clear();
    std::vector<std::string> unwatched;
    for (const std::string& p : paths) {
      // A name that the game would not open is not watched either.
      if (!insideDataFolder(p.c_str())) continue;
      const fs::path path(nativePath(p.c_str()));
      const std::string folder = path.has_parent_path() ? path.parent_path().string() : ".";
      const int wd = inotify_add_watch(fd_, folder.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO);
      if (wd < 0) {
        unwatched.push_back(p);
        continue;
      }
      folders_[wd] = folder;
      files_[{wd, path.filename().string()}] = p;
    }
    // A folder that cannot be watched (one that does not exist yet) is polled.
    polled_.watch(unwatched);
    drain();
  }

  std::vector<std::string> changed() override {
    std::vector<std::string> paths = polled_.changed();
    for (const std::string& p : drain())
      if (std::find(paths.begin(), paths.end(), p) == paths.end()) paths.push_back(p);
    return paths;
  }

 private:
  // Reads every waiting event; the watched files they name, each once.
  std::vector<std::string> drain() {
    std::set<std::string> hits;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n <= 0) break;  // EAGAIN: nothing more waits
      for (ssize_t at = 0; at < n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
        if (e->len > 0) {
          const auto file = files_.find({e->wd, std::string(e->name)});
          if (file != files_.end()) hits.insert(file->second);
        }
        at += ssize_t(sizeof(inotify_event) + e->len);
      }
    }
    return {hits.begin(), hits.end()};
  }

  int fd_;
  std::map<int, std::string> folders_;
  // A watched folder and a file's name in it, to the path that watch() was given.
  std::map<std::pair<int, std::string>, std::string> files_;
  PollingWatcher polled_;
};
#endif

}  // namespace

std::unique_ptr<FileWatcher> makeFileWatcher(WatchMethod method) {
#ifdef PELMO_HAVE_INOTIFY
  if (method == WatchMethod::kBest) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd >= 0) return std::make_unique<InotifyWatcher>(fd);
  }
#endif
  (void)method;
  return std::make_unique<PollingWatcher>();
}

}  // namespace platform
