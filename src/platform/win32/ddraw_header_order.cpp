// ddraw_header_order.cpp -- <ddraw.h> before platform/video.h in one translation unit: video.h
// gives way to DirectDraw's result macros, which carry the same values. (ddraw_screen.cpp reads
// them the other way round.) Nothing here runs; the file only has to compile.
#include <ddraw.h>

#include "platform/video.h"

static_assert(DD_OK == 0);
static_assert(DDERR_SURFACELOST == static_cast<HRESULT>(0x887601C2u));
static_assert(DDERR_GENERIC == static_cast<HRESULT>(0x80004005u));
