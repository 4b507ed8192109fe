// sdl_backend.cpp -- a real window: presenter, keyboard, message boxes and the frame clock
#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/argb_frame.h"
#include "platform/frame_clock.h"
#include "platform/quit.h"
#include "platform/sdl/display_loss.h"
#include "platform/sdl/sdl_music.h"
#include "platform/window_scale.h"

namespace platform {
namespace {

using Clock = FrameClock::Clock;

// Whether the system has a graphics device that OpenGL could draw with. Only Linux is
// asked (its render and card nodes); elsewhere one is assumed.
bool hasGraphicsDevice() {
#ifdef __linux__
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("renderD", 0) == 0 || name.rfind("card", 0) == 0) return true;
  }
  return false;
#else
  return true;
#endif
}

// Where the 640 x 480 picture lands in an output of w x h pixels. A whole-number
// scale keeps every pixel the same size; it is used unless it would waste much
// of the screen, in which case the picture fills the height (or width) at 4:3.
SDL_Rect pictureRect(int w, int h) {
  const double fit = std::min(w / double(kScreenWidth), h / double(kScreenHeight));
  const int whole = int(fit);
  const double scale = (whole >= 1 && whole >= 0.85 * fit) ? whole : fit;
  const int pw = int(kScreenWidth * scale), ph = int(kScreenHeight * scale);
  return SDL_Rect{(w - pw) / 2, (h - ph) / 2, pw, ph};
}

class SdlBackend final : public Backend {
 public:
  explicit SdlBackend(const SdlOptions& options) : options_(options) {}

  // Runs when the program releases the backend, before main returns.
  ~SdlBackend() override {
    destroyWindow();
    SDL_Quit();
  }

  bool createWindow(const char* caption) override {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    const bool gpu = hasGraphicsDevice();
    if (!gpu) {
      // OpenGL without a graphics device is drawn by the processor (llvmpipe), at many
      // times the time and memory of SDL's own software renderer drawing straight into
      // the window's framebuffer. Set as defaults, so that SDL's variables still decide.
      SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_DEFAULT);
      SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    }
    int scale = options_.scale;
    if (scale <= 0) scale = defaultScale();
    windowW_ = kScreenWidth * scale;
    windowH_ = kScreenHeight * scale;
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (options_.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window_ = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, windowW_,
                               windowH_, flags);
    if (!window_) {
      std::fprintf(stderr, "game: cannot open a window: %s\n", SDL_GetError());
      return false;
    }
    fullScreen_ = options_.fullScreen;
    renderer_ =
        SDL_CreateRenderer(window_, -1, gpu ? SDL_RENDERER_ACCELERATED : SDL_RENDERER_SOFTWARE);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) return false;
    if (!createTexture()) return false;
    SDL_ShowCursor(SDL_DISABLE);  // the mouse cursor is never shown over the game
    render();
    return true;
  }

  void destroyWindow() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
  }

  void show(const uint8_t* pixels, const PaletteEntry* palette, bool wait) override {
    if (wait) waitUntil(frameClock_.nextTick());
    std::memcpy(shownPixels_.data(), pixels, shownPixels_.size());
    std::memcpy(shownPalette_.data(), palette, sizeof(PaletteEntry) * 256);
    render();
  }

  void readKeys(uint8_t state[256]) override {
    pumpEvents();
    std::memcpy(state, keys_.data(), 256);
  }

  void messageBox(const std::string& title, const std::string& text) override {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), window_);
  }

  uint32_t millis() override { return SDL_GetTicks(); }
  void sleepMs(uint32_t ms) override { waitUntil(Clock::now() + std::chrono::milliseconds(ms)); }
  std::unique_ptr<MusicStream> createMusicStream() override { return makeSdlMusicStream(); }
  bool headless() const override { return false; }

 private:
  void pumpEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) handle(e);
  }

  void waitUntil(Clock::time_point deadline) {
    waitHandlingEvents(deadline, [this](int ms) {
      SDL_Event e;
      if (ms > 0 && SDL_WaitEventTimeout(&e, ms)) handle(e);
      pumpEvents();
    });
  }

  int defaultScale() const {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return 1;
    return largestWindowScale(mode.w, mode.h);
  }

  bool createTexture() {
    if (texture_) SDL_DestroyTexture(texture_);
    SDL_RendererInfo info{};
    accelerated_ =
        SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_ACCELERATED) != 0;
    // The software renderer copies rows whole only between textures and windows of one
    // format; 0xFFRRGGBB is also a pixel of the window's 32-bit RGB format.
    Uint32 format = SDL_PIXELFORMAT_ARGB8888;
    const Uint32 windowFormat = SDL_GetWindowPixelFormat(window_);
    if (!accelerated_ && windowFormat == SDL_PIXELFORMAT_RGB888) format = windowFormat;
    texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                 kScreenHeight);
    if (!texture_) return false;
    // Every pixel is opaque: copied, not blended (a texture with alpha blends by default).
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    return true;
  }

  // Converts the newest indices through their palette and presents them.
  void render() {
    if (!renderer_ || !texture_) return;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    const SDL_Rect dst = pictureRect(w, h);
    // The stretched view goes up at half size, a quarter of the work and of the upload,
    // whenever the renderer scales anyway; nearest sampling doubles it again exactly as
    // the blitter did. A software renderer showing it one to one copies it unscaled.
    const bool scaled = accelerated_ || dst.w != kScreenWidth || dst.h != kScreenHeight;
    const bool halved = scaled && isPixelDoubled(shownPixels_.data());
    const SDL_Rect area{0, 0, halved ? kScreenWidth / 2 : kScreenWidth,
                        halved ? kScreenHeight / 2 : kScreenHeight};
    void* out = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, &area, &out, &pitch) == 0) {
      convertScreenToArgb(shownPixels_.data(), shownPalette_.data(), out, pitch, halved);
      SDL_UnlockTexture(texture_);
    }
    // Bars only where the picture leaves room for them.
    if (dst.x > 0 || dst.y > 0 || dst.w < w || dst.h < h) {
      SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
      SDL_RenderClear(renderer_);
    }
    SDL_RenderCopy(renderer_, texture_, &area, &dst);
    SDL_RenderPresent(renderer_);
  }

  void setKey(uint8_t code, bool down) {
    if (code) keys_[code] = down ? 0x80 : 0;
  }

  void toggleFullScreen() {
    fullScreen_ = !fullScreen_;
    SDL_SetWindowFullscreen(window_, fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullScreen_) SDL_SetWindowSize(window_, windowW_, windowH_);
    render();
  }

  void handleKey(const SDL_KeyboardEvent& k) {
    const bool down = k.type == SDL_KEYDOWN;
    const bool enter =
        k.keysym.scancode == SDL_SCANCODE_RETURN || k.keysym.scancode == SDL_SCANCODE_KP_ENTER;
    if (enter && (k.keysym.mod & KMOD_ALT)) {
      // Alt+Enter belongs to the window, never to the game's keys.
      if (down && !k.repeat) toggleFullScreen();
      return;
    }
    setKey(dikFromScancode(k.keysym.scancode), down);
  }

  void handleWindow(const SDL_WindowEvent& w) {
    switch (w.event) {
      case SDL_WINDOWEVENT_CLOSE:
        requestQuit();
        break;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        // Keys released in another window are never reported: treat all as up.
        keys_.fill(0);
        break;
      case SDL_WINDOWEVENT_MINIMIZED:
        if (fullScreen_) requestLoseAllSurfaces();
        break;
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        render();
        break;
      default:
        break;
    }
  }

  void handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        requestQuit();  // a close request, as WM_CLOSE
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        handleKey(e.key);
        break;
      case SDL_WINDOWEVENT:
        handleWindow(e.window);
        break;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        createTexture();
        requestLoseAllSurfaces();
        render();
        break;
      default:
        break;
    }
  }

  SdlOptions options_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool fullScreen_ = true;
  bool accelerated_ = true;
  int windowW_ = kScreenWidth, windowH_ = kScreenHeight;
  FrameClock frameClock_;
  std::array<uint8_t, kScreenWidth * kScreenHeight> shownPixels_{};
  std::array<PaletteEntry, 256> shownPalette_{};
  std::array<uint8_t, 256> keys_{};
};

}  // namespace

std::unique_ptr<Backend> makeSdlBackend(const SdlOptions& options, std::string& error) {
  const auto noDisplay = [&error](const std::string& why) {
    error = "no display (" + why + "); run with --headless to play without a window";
    return nullptr;
  };
  // SIGINT and SIGTERM are the game's own quit requests (platform/quit.h), not SDL's.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return noDisplay(SDL_GetError());
  // SDL falls back on drivers that show nothing; a player would see no game.
  const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if (driver.empty() || driver == "dummy" || driver == "offscreen" || driver == "evdev") {
    SDL_Quit();
    return noDisplay("the video driver '" + driver + "' shows nothing");
  }
  endOnDisplayLoss();
  return std::make_unique<SdlBackend>(options);
}

}  // namespace platform
