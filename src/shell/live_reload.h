// live_reload.h -- `game --watch`: the running map loaded again in place when its files change
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace shell {

// Presented frames between two looks at the files: a sixth of a second at 60 frames a second,
// on the headless clock as in a window. inotify's changes are seen at the next look; polling
// waits one more look for a file to settle.
constexpr uint64_t kWatchFrames = 10;

// The files the running map is made of, as data paths: its map file, its picture, its actors'
// sprite packs, the far layer and the cut-scene scripts that its events play.
std::vector<std::string> currentMapFiles();
// Watches currentMapFiles() when the game watches; the scene cycle calls it for each new map.
void watchCurrentMap();
// At the end of a frame, every kWatchFrames frames: when a watched file changed, the map is
// loaded again (reloadCurrentMap) and stderr says so.
void reloadOnChange();
// The map named MapName read again, with the far layer when it is among the changed files. The
// hero (its x too), the flags, the music and the camera stay; the new map's events start again
// from the entry event. When a file is broken its loader's message is shown, nothing changes
// and the old map plays on: false.
bool reloadCurrentMap(const std::vector<std::string>& changed);

}  // namespace shell
