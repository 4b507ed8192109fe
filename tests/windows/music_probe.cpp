// music_probe.cpp -- opens a file on the music stream of game.exe and tells what the graph says
//
// Usage: music_probe FILE    Prints "duration S", then after a second of running
// "position S", then after a seek to a second before the end and two seconds more
// "position S" again (the graph rests at its end).
#include <windows.h>

#include <cstdio>

#include "platform/music_stream.h"
#include "platform/win32/dshow_music.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: music_probe FILE\n", stderr);
    return 2;
  }
  auto music = platform::makeDShowMusicStream();
  if (!music) return std::puts("no filter graph"), 1;
  if (!music->open(argv[1])) return std::puts("cannot render the file"), 1;
  double seconds = 0;
  if (!music->duration(seconds)) return std::puts("no duration"), 1;
  std::printf("duration %.2f\n", seconds);
  music->run();
  Sleep(1000);
  music->position(seconds);
  std::printf("position %.1f\n", seconds);
  double length = 0;
  music->duration(length);
  music->setPosition(length - 1.0);
  Sleep(2000);
  music->position(seconds);
  std::printf("position %.1f\n", seconds);
  std::fflush(stdout);
  return 0;
}
