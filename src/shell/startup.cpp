// startup.cpp -- the start-up sequence and the shutdown of the engine
#include "shell/startup.h"

#include "common/geometry.h"
#include "common/random.h"
#include "common/start_up_texts.h"
#include "display/display_device.h"
#include "display/palette.h"
#include "display/pixel_page.h"
#include "gfx/fonts.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "shell/shell_state.h"

namespace shell {
namespace {

using namespace display;

int fail(const char* text) {
  platform::messageBox(common::text::kEngineTitle, text);
  return 0;
}

// Lock, bind the page's rows to the surface's pixels, unlock.
int bindPage(PixelPage& page, platform::Surface& surface) {
  uint8_t* bits = nullptr;
  surface.lock(&bits);
  const int ok = page.BindRows(bits, kPageWidth, kPageHeight);
  surface.unlock();
  return ok;
}

}  // namespace

int StartUpEngine() {
  switch (InitDisplayAndInput()) {
    case DisplayInit::kDisplayFailed:
      return fail(common::text::kDisplayError);
    case DisplayInit::kInputFailed:
      return fail(common::text::kInputError);
    case DisplayInit::kReady:
      break;
  }
  if (!LoadPalette("grim\\pal.pal")) return fail(common::text::kPaletteError);
  if (!gfx::loadFonts()) return fail(common::text::kFontError);

  auto& d = displayState();
  d.MPAGE = std::make_unique<PixelPage>();
  if (d.DisplayDevice->createSurface(kPageWidth, 16, platform::SurfaceKind::OffscreenPlain,
                                     d.StripSurface) != platform::DD_OK)
    return 0;  // silently, as the original did
  // MPAGE's table has 480 rows like every page; only rows 0 to 15 lie inside the strip.
  {
    uint8_t* bits = nullptr;
    d.StripSurface->lock(&bits);
    const int ok = d.MPAGE->BindRows(bits, kPageWidth, kPageHeight);
    d.StripSurface->unlock();
    if (!ok) return fail(common::text::kMpageError);
  }

  d.APAGE = std::make_unique<PixelPage>();
  d.APAGE1 = std::make_unique<PixelPage>();
  d.VPAGE = std::make_unique<PixelPage>();
  if (!bindPage(*d.APAGE, *d.DrawSurface)) return fail(common::text::kApageError);
  if (!bindPage(*d.VPAGE, *d.PrimarySurface)) return fail(common::text::kVpageError);
  if (!bindPage(*d.APAGE1, *d.BackBuffer)) return fail(common::text::kApage1Error);

  d.ViewRect =
      platform::Rect{common::kViewLeft, common::kViewTop, common::kViewRight, common::kViewBottom};
  common::gameSrand(shellState().SeedOverride ? *shellState().SeedOverride : platform::millis());
  return 1;
}

void ShutDownEngine() {
  gfx::freeAsciiFont();
  displayState().APAGE.reset();
  displayState().VPAGE.reset();
  ReleaseDisplayAndInput();
}

}  // namespace shell
