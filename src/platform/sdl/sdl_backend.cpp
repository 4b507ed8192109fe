// sdl_backend.cpp -- a real window: presenter, keyboard, message boxes and the frame clock
#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/argb_frame.h"
#include "platform/frame_clock.h"
#include "platform/key_latch.h"
#include "platform/picture_fit.h"
#include "platform/quit.h"
#include "platform/sdl/display_loss.h"
#include "platform/sdl/sdl_gamepad.h"
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

SDL_Rect sdlRect(const PictureRect& r) { return SDL_Rect{r.x, r.y, r.w, r.h}; }

// A window resized by the player is kept once it has been left alone this long: a drag
// sends many sizes, the file is written for the last.
constexpr Uint32 kResizeSettleMs = 500;

class SdlBackend final : public Backend {
 public:
  explicit SdlBackend(const WindowOptions& options) : options_(options) {}

  // Runs when the program releases the backend, before main returns.
  ~SdlBackend() override {
    destroyWindow();
    pads_.closeAll();
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
    const int display = std::clamp(options_.display, 0, SDL_GetNumVideoDisplays() - 1);
    chooseWindowSize(display);
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (options_.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window_ = SDL_CreateWindow(caption, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                               SDL_WINDOWPOS_CENTERED_DISPLAY(display), windowW_, windowH_, flags);
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
    if (resizedAt_) reportChange();
    if (sharpTexture_) SDL_DestroyTexture(sharpTexture_);
    sharpTexture_ = nullptr;
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
    if (resizedAt_ && SDL_GetTicks() - resizedAt_ >= kResizeSettleMs) reportChange();
    uint8_t physical[256];
    keys_.read(physical);
    options_.keys.apply(physical, state);
    pads_.merge(state);
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

  // The window's size: the player's own, else the scale asked for, else the largest whole
  // scale that fits the desktop of the display.
  void chooseWindowSize(int display) {
    if (options_.windowWidth > 0 && options_.windowHeight > 0) {
      windowW_ = options_.windowWidth;
      windowH_ = options_.windowHeight;
      return;
    }
    int scale = options_.scale;
    SDL_DisplayMode mode;
    if (scale <= 0)
      scale =
          SDL_GetDesktopDisplayMode(display, &mode) == 0 ? largestWindowScale(mode.w, mode.h) : 1;
    windowW_ = kScreenWidth * scale;
    windowH_ = kScreenHeight * scale;
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
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    if (sharpTexture_) SDL_DestroyTexture(sharpTexture_);
    sharpTexture_ = nullptr;
    sharpScale_ = 0;
    return true;
  }

  // The sharp filter's middle step: a texture of the picture at a whole scale, drawn into
  // with nearest sampling and smoothed on from there. Null when the renderer cannot draw
  // into textures.
  SDL_Texture* sharpTarget(int scale) {
    if (sharpTexture_ && sharpScale_ == scale) return sharpTexture_;
    if (sharpTexture_) SDL_DestroyTexture(sharpTexture_);
    sharpTexture_ = nullptr;
    sharpScale_ = 0;
    if (!SDL_RenderTargetSupported(renderer_)) return nullptr;
    sharpTexture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                      kScreenWidth * scale, kScreenHeight * scale);
    if (!sharpTexture_) return nullptr;
    SDL_SetTextureBlendMode(sharpTexture_, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(sharpTexture_, SDL_ScaleModeLinear);
    sharpScale_ = scale;
    return sharpTexture_;
  }

  // Shows area of the picture's texture in an output of w x h: straight at a whole scale,
  // or, when the sharp filter is asked for and the whole scale leaves bars, at that scale
  // into the middle step and smoothed on from there to fill the output at 4:3.
  void copyPicture(const SDL_Rect& area, int w, int h) {
    const int scale = wholeScaleFitting(w, h);
    const SDL_Rect whole = sdlRect(wholeScaleRect(w, h));
    const SDL_Rect filled = sdlRect(filledRect(w, h));
    SDL_Texture* middle = nullptr;
    if (options_.filter == ScaleFilter::sharp && scale >= 1 &&
        (filled.w != whole.w || filled.h != whole.h))
      middle = sharpTarget(scale);
    if (middle) {
      if (SDL_SetRenderTarget(renderer_, middle) == 0)
        SDL_RenderCopy(renderer_, texture_, &area, nullptr);
      else
        middle = nullptr;
      SDL_SetRenderTarget(renderer_, nullptr);
    }
    const SDL_Rect& dst = middle ? filled : whole;
    // Bars only where the picture leaves room for them.
    if (dst.x > 0 || dst.y > 0 || dst.w < w || dst.h < h) {
      SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
      SDL_RenderClear(renderer_);
    }
    SDL_RenderCopy(renderer_, middle ? middle : texture_, middle ? nullptr : &area, &dst);
  }

  // Converts the newest indices through their palette and presents them.
  void render() {
    if (!renderer_ || !texture_) return;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    const SDL_Rect dst = sdlRect(wholeScaleRect(w, h));
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
    copyPicture(area, w, h);
    SDL_RenderPresent(renderer_);
  }

  void setKey(uint8_t code, bool down) {
    if (!code) return;
    if (down)
      keys_.press(code);
    else
      keys_.release(code);
  }

  void toggleFullScreen() {
    fullScreen_ = !fullScreen_;
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    SDL_SetWindowFullscreen(window_, fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullScreen_) {
      // Unless the player sized the window, it fits the desktop it comes back to.
      if (!resized_) chooseWindowSize(display);
      SDL_SetWindowSize(window_, windowW_, windowH_);
      SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                            SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    }
    reportChange();
    render();
  }

  void windowResized(int w, int h) {
    if (fullScreen_ || (w == windowW_ && h == windowH_)) return;
    windowW_ = w;
    windowH_ = h;
    resized_ = true;
    resizedAt_ = std::max<Uint32>(1, SDL_GetTicks());
  }

  void reportChange() {
    resizedAt_ = 0;
    if (!options_.changed) return;
    if (resized_)
      options_.changed(fullScreen_, windowW_, windowH_);
    else
      options_.changed(fullScreen_, 0, 0);
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
        keys_.releaseAll();
        break;
      case SDL_WINDOWEVENT_MINIMIZED:
        if (fullScreen_) requestLoseAllSurfaces();
        break;
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        windowResized(w.data1, w.data2);
        render();
        break;
      case SDL_WINDOWEVENT_EXPOSED:
        render();
        break;
      default:
        break;
    }
  }

  void handle(const SDL_Event& e) {
    if (pads_.handle(e)) return;
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

  WindowOptions options_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Texture* sharpTexture_ = nullptr;
  int sharpScale_ = 0;
  bool fullScreen_ = true;
  bool accelerated_ = true;
  // The window's size when not in full screen, and whether the player chose it.
  int windowW_ = kScreenWidth, windowH_ = kScreenHeight;
  bool resized_ = false;
  Uint32 resizedAt_ = 0;  // when a resize not yet reported came; 0: none
  SdlGamepads pads_;
  FrameClock frameClock_;
  std::array<uint8_t, kScreenWidth * kScreenHeight> shownPixels_{};
  std::array<PaletteEntry, 256> shownPalette_{};
  KeyLatch keys_;
};

}  // namespace

std::unique_ptr<Backend> makeSdlBackend(const WindowOptions& options, std::string& error) {
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
  // Without controllers the game still runs: the keyboard is enough.
  if (options.gamepad) SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  endOnDisplayLoss();
  return std::make_unique<SdlBackend>(options);
}

}  // namespace platform
