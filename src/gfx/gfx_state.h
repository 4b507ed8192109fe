// gfx_state.h -- the drawing state: the loaded fonts and the far background layer
#pragma once

#include <cstdint>
#include <memory>

#include "common/bound_state.h"
#include "gfx/background_layer.h"
#include "gfx/fonts.h"

namespace gfx {

struct GfxState {
  // A heap block of kAsciiFontBytes once loaded; ShutDownEngine frees it.
  std::unique_ptr<uint8_t[]> asciiFont;
  uint8_t hangulInitials[kInitialBytes] = {};
  uint8_t hangulMedials[kMedialBytes] = {};
  uint8_t hangulFinals[kFinalBytes] = {};
  uint8_t syllableCodes[kSyllableCodeBytes] = {};
  // The far background "bg", behind every map; its scrollX is half the camera's.
  std::unique_ptr<BackgroundLayer> FarLayer;
};

// The running game's drawing state, owned by the game object, which binds it.
inline GfxState& gfxState() { return common::Bound<GfxState>::get(); }

}  // namespace gfx
