// tracer.h -- `game --trace`, each event step on stderr, and the overlay that F9 shows
#pragma once

#include <string>
#include <vector>

namespace shell {

// From now on each event step, as it starts, is one line on stderr (UTF-8):
// "trace frame=F map=M event=E step=S KEYWORD ARGS", with the keyword and its arguments as
// the map file writes them; F is the frame the step runs in (its picture is frame F).
void traceEventSteps();
// The line for step s of event e of the running map, without its line end.
std::string traceLine(int e, int s);

// The overlay's lines, code page 949: the map, the hero's x and the camera; the running event
// and step; the flags that are set, with their values, as many lines as they take.
std::vector<std::string> overlayLines();
// Draws them below the frame counter while F9 has the overlay shown.
void drawOverlay();

}  // namespace shell
