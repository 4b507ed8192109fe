// win32_backend.cpp -- the window backend of Windows: the game window with its class, procedure and
// pump; message boxes; keys; time
#include <windows.h>
// After windows.h: the multimedia timer builds on its types.
#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "common/start_up_texts.h"
#include "platform/frame_clock.h"
#include "platform/message_box.h"
#include "platform/quit.h"
#include "platform/win32/ddraw_screen.h"
#include "platform/win32/dinput_keyboard.h"
#include "platform/win32/dshow_music.h"
#include "platform/win32/wide_text.h"
#include "platform/window_backend.h"
#include "platform/window_scale.h"

namespace platform {
namespace {

using Clock = FrameClock::Clock;
constexpr wchar_t kClassName[] = L"gmc(Pelmo)";

class Win32Backend;
Win32Backend* TheBackend = nullptr;  // the one window's procedure reaches it here

class Win32Backend final : public Backend {
 public:
  explicit Win32Backend(const WindowOptions& options) : options_(options) {
    TheBackend = this;
    timeBeginPeriod(1);  // the frame clock sleeps to the millisecond
    origin_ = timeGetTime();
  }

  ~Win32Backend() override {
    destroyWindow();
    timeEndPeriod(1);
    TheBackend = nullptr;
  }

  bool createWindow(const char* captionUtf8) override {
    instance_ = GetModuleHandleW(nullptr);
    if (!registerClass()) return false;
    const std::wstring caption = wideFromUtf8(captionUtf8);
    if (options_.fullScreen) {
      window_ = CreateWindowExW(0, kClassName, caption.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, instance_, nullptr);
    } else {
      window_ = createFramedWindow(caption);
    }
    if (!window_) {
      std::fprintf(stderr, "game: cannot open a window (error %lu)\n", GetLastError());
      return false;
    }
    ShowWindow(window_, showCommand());
    UpdateWindow(window_);
    std::string error;
    if (!screen_.create(window_, options_.fullScreen, error)) {
      return startFailed(common::text::kDisplayError, error);
    }
    if (!keyboard_.create(instance_, window_, error))
      return startFailed(common::text::kInputError, error);
    return true;
  }

  void destroyWindow() override {
    keyboard_.release();
    screen_.release();
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
  }

  void show(const uint8_t* pixels, const PaletteEntry* palette, bool wait) override {
    // Not every driver waits for the refresh: the frame clock paces the flips.
    if (wait) waitUntil(frameClock_.nextTick());
    screen_.show(pixels, palette, wait);
  }

  void readKeys(uint8_t state[256]) override {
    pumpMessages();
    keyboard_.read(state);
  }

  void messageBox(const std::string& title, const std::string& text) override {
    showBox(title, text);
  }

  uint32_t millis() override { return timeGetTime() - origin_; }
  void sleepMs(uint32_t ms) override { waitUntil(Clock::now() + std::chrono::milliseconds(ms)); }
  std::unique_ptr<MusicStream> createMusicStream() override { return makeDShowMusicStream(); }
  bool headless() const override { return false; }

  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_CLOSE:  // the window is not destroyed here: the game unwinds and shuts down
      case WM_DESTROY:
        requestQuit();
        return 0;
      case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) break;
        SetCursor(nullptr);  // the mouse cursor is never shown over the game
        return TRUE;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        screen_.repaint();
        return 0;
      }
      default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

 private:
  void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  void waitUntil(Clock::time_point deadline) {
    waitHandlingEvents(deadline, [this](int ms) {
      if (ms > 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(ms), QS_ALLINPUT);
      pumpMessages();
    });
  }

  bool registerClass() {
    WNDCLASSW wc{};
    wc.style = 0;
    wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
      return TheBackend ? TheBackend->handle(w, m, wp, lp) : DefWindowProcW(w, m, wp, lp);
    };
    wc.hInstance = instance_;
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc) != 0;
  }

  // A window with a caption whose client area is the screen times the scale.
  HWND createFramedWindow(const std::wstring& caption) {
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    int scale = options_.scale;
    if (scale <= 0) {
      const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
      scale = largestWindowScale(w, h);
    }
    RECT r{0, 0, kScreenWidth * scale, kScreenHeight * scale};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    return CreateWindowExW(0, kClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance_,
                           nullptr);
  }

  static int showCommand() {
    STARTUPINFOW info{};
    info.cb = sizeof info;
    GetStartupInfoW(&info);
    return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWDEFAULT;
  }

  // The display or the keyboard cannot be had: the start-up box, and no game.
  bool startFailed(const char* cp949Text, const std::string& detail) {
    std::fprintf(stderr, "game: %s\n", detail.c_str());
    platform::messageBox(common::text::kEngineTitle, cp949Text);
    return false;
  }

  void showBox(const std::string& title, const std::string& text) {
    screen_.showDesktop();
    MessageBoxW(window_, wideFromUtf8(text).c_str(), wideFromUtf8(title).c_str(), MB_OK);
  }

  WindowOptions options_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  DWORD origin_ = 0;
  DDrawScreen screen_;
  DInputKeyboard keyboard_;
  FrameClock frameClock_;
};

}  // namespace

std::unique_ptr<Backend> makeWindowBackend(const WindowOptions& options, std::string& error) {
  (void)error;  // a window can always be asked for; its failures are reported by createWindow
  return std::make_unique<Win32Backend>(options);
}

}  // namespace platform
