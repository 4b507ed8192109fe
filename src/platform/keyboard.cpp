// keyboard.cpp -- the keyboard device: the backend's keys, or a key script, and the recorder
#include "platform/keyboard.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

#include "common/file_output.h"
#include "platform/backend.h"
#include "platform/faults.h"
#include "platform/key_script.h"
#include "platform/quit.h"
#include "platform/regular_file.h"
#include "platform/screenshot.h"
#include "platform/terminal_text.h"

namespace platform {
namespace {
bool deviceExists = false;
uint64_t reads = 0;
std::unique_ptr<KeyScriptPlayer> player;
std::unique_ptr<KeyRecorder> recorder;
std::string recordPath;
KeyProvider provider;
bool screenshotKeyDown = false;
bool overlayKeyDown = false;
bool overlayOn = false;

// One screenshot a press, taken before the game draws the next frame: the picture is the
// one the player saw when pressing the key.
void takeScreenshotOnPress(uint8_t state[256]) {
  const bool down = state[dik::F12] != 0;
  state[dik::F12] = 0;
  if (down && !screenshotKeyDown) {
    std::string path, error;
    printErrorLine(saveScreenshot(path, error) ? "game: screenshot " + path
                                               : "game: no screenshot: " + error);
  }
  screenshotKeyDown = down;
}

void toggleOverlayOnPress(uint8_t state[256]) {
  const bool down = state[dik::F9] != 0;
  state[dik::F9] = 0;
  if (down && !overlayKeyDown) overlayOn = !overlayOn;
  overlayKeyDown = down;
}
}  // namespace

bool createKeyboardDevice() {
  if (faults().keyboardDevice) return false;
  deviceExists = true;
  return true;
}

void releaseKeyboardDevice() { deviceExists = false; }
bool keyboardDeviceExists() { return deviceExists; }

void readKeyboardState(uint8_t state[256]) {
  // The backend handles the window's events first, also under a key script: a close
  // may have come meanwhile.
  uint8_t device[256] = {};
  if (hasBackend()) backend().readKeys(device);
  if (quitRequested()) return;
  if (provider) {
    std::memset(state, 0, 256);
    provider(reads, state);
  } else if (player) {
    player->stateAtRead(reads, state);
  } else {
    std::memcpy(state, device, 256);
  }
  takeScreenshotOnPress(state);
  toggleOverlayOnPress(state);
  if (recorder) recorder->observe(reads, state);
  ++reads;
}

uint64_t keyboardReads() { return reads; }

bool overlayShown() { return overlayOn; }

bool useKeyScript(const std::string& path, std::string& error) {
  // A pipe or a device (--input /dev/zero) is refused at once rather than read without end.
  std::string text, why;
  if (!readRegularFile(path, kKeyScriptMaxBytes, text, &why)) {
    error = path + ": " + why;
    return false;
  }
  std::vector<KeyChange> changes;
  if (!parseKeyScript(text, changes, error)) {
    error = path + ": " + error;
    return false;
  }
  player = std::make_unique<KeyScriptPlayer>(std::move(changes));
  return true;
}

bool recordKeyScript(const std::string& path, std::string& error) {
  // Made empty now, so that a place that cannot take the record is told before the run.
  errno = 0;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return error = common::writeFailure(path, errno), false;
  if (!common::closeWrittenFile(out, path, error)) return false;
  recorder = std::make_unique<KeyRecorder>();
  recordPath = path;
  return true;
}

bool finishKeyRecording(std::string& error) {
  if (!recorder) return true;
  return common::writeWholeFile(
      recordPath, "# keys recorded by game: READ KEY down|up\n" + recorder->text(), error);
}

void setKeyProvider(KeyProvider p) { provider = std::move(p); }

void resetKeyboard() {
  deviceExists = false;
  provider = nullptr;
  reads = 0;
  screenshotKeyDown = false;
  overlayKeyDown = overlayOn = false;
  player.reset();
  recorder.reset();
  recordPath.clear();
}

}  // namespace platform
