// dshow_music.cpp -- "1.mp3" through the filter graph's control, position, event and audio
// interfaces
#include "platform/win32/dshow_music.h"

#include <windows.h>
// After windows.h: the media interfaces build on its types.
#include <control.h>
#include <strmif.h>

#include "platform/data_file.h"
#include "platform/win32/com_ptr.h"

namespace platform {
namespace {

// The published identifiers of the filter graph and of the interfaces the player uses.
constexpr GUID kFilterGraph = {
    0xE436EBB3, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr GUID kMediaControl = {
    0x56A868B1, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr GUID kMediaPosition = {
    0x56A868B2, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr GUID kBasicAudio = {
    0x56A868B3, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};
constexpr GUID kMediaEvent = {
    0x56A868B6, 0x0AD4, 0x11CE, {0xB0, 0x3A, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

class DShowMusic final : public MusicStream {
 public:
  // COM stays initialised on this (the main) thread while the graph lives.
  bool create() {
    comReady_ = SUCCEEDED(CoInitialize(nullptr));
    if (!comReady_) return false;
    if (FAILED(CoCreateInstance(kFilterGraph, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                                kMediaControl, reinterpret_cast<void**>(&control_))))
      return false;
    if (FAILED(control_->QueryInterface(kMediaEvent, reinterpret_cast<void**>(&event_))))
      return false;
    if (FAILED(control_->QueryInterface(kMediaPosition, reinterpret_cast<void**>(&position_))))
      return false;
    OAEVENT handle = 0;
    if (FAILED(event_->GetEventHandle(&handle))) return false;
    return SUCCEEDED(position_->QueryInterface(kBasicAudio, reinterpret_cast<void**>(&audio_)));
  }

  ~DShowMusic() override {
    if (control_ && running_) control_->Stop();
    releaseCom(audio_);
    releaseCom(event_);
    releaseCom(position_);
    releaseCom(control_);
    if (comReady_) CoUninitialize();
  }

  bool open(const std::string& path) override {
    // The graph opens the file by its name: it is checked first as every data file is.
    if (!dataFileOpens(path.c_str())) return false;
    // The name is in the system's own code page, as the original passed it on.
    wchar_t wide[256] = {};
    const std::string native = nativePath(path.c_str());
    if (!MultiByteToWideChar(CP_ACP, 0, native.c_str(), -1, wide, 256)) return false;
    BSTR name = SysAllocString(wide);
    const HRESULT r = control_->RenderFile(name);
    SysFreeString(name);
    return SUCCEEDED(r);
  }

  bool duration(double& seconds) override {
    REFTIME length = 0;
    if (FAILED(position_->get_Duration(&length))) return false;
    seconds = length;
    return true;
  }

  void run() override {
    if (running_ || !control_) return;
    // A stopped graph may have gone back to its start: go on from where it was stopped.
    position_->put_CurrentPosition(saved_);
    running_ = SUCCEEDED(control_->Run());
  }

  void stop() override {
    if (!running_) return;
    position(saved_);
    if (control_) control_->Stop();
    running_ = false;
  }

  bool position(double& seconds) override {
    if (running_ && position_) {
      REFTIME now = 0;
      if (FAILED(position_->get_CurrentPosition(&now))) return false;
      seconds = now;
      return true;
    }
    seconds = saved_;
    return true;
  }

  void setPosition(double seconds) override {
    saved_ = seconds;
    if (position_) position_->put_CurrentPosition(seconds);
  }

  // The graph's volume is in hundredths of a decibel already.
  void setVolume(int hundredthsOfDecibel) override {
    if (audio_) audio_->put_Volume(hundredthsOfDecibel);
  }

  bool running() const override { return running_; }

 private:
  bool comReady_ = false;
  IMediaControl* control_ = nullptr;
  IMediaEvent* event_ = nullptr;
  IMediaPosition* position_ = nullptr;
  IBasicAudio* audio_ = nullptr;
  bool running_ = false;
  double saved_ = 0;  // the position while stopped
};

}  // namespace

std::unique_ptr<MusicStream> makeDShowMusicStream() {
  auto music = std::make_unique<DShowMusic>();
  if (!music->create()) return nullptr;
  return music;
}

}  // namespace platform
