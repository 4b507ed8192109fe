// status_bar.h -- the status bar below the map area
#pragma once

namespace actors {

// Copies the bar's 63 rows, opaque, into the view's rows 305 to 367.
void drawStatusBar();

}  // namespace actors
