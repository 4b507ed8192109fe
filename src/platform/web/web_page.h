// web_page.h -- what the page's script (web_library.js) does for the backend
#pragma once

#include <cstdint>

extern "C" {
// Binds the canvas and the keys; 0 without a canvas, 1 on the real clock, 2 on the virtual.
int pelmo_web_open();
// Puts 640 x 480 RGBA pixels on the canvas; frame is the number of the frame it shows.
void pelmo_web_draw(const uint8_t* rgba, uint32_t frame);
// Returns at the first animation frame at most half a frame before ms from now.
void pelmo_web_wait_frame(double ms);
// Lets the page run (events, drawing) and returns as soon as it can.
void pelmo_web_yield();
void pelmo_web_sleep(double ms);
double pelmo_web_now();
// Moves up to capacity of the key changes since the last call into changes and returns
// how many: a DirectInput code, plus 0x100 for a press; 0 for every key released.
int pelmo_web_take_key_changes(int32_t* changes, int capacity);
// Shows the page's dialog and returns when it is answered.
void pelmo_web_message_box(const char* titleUtf8, const char* textUtf8);
void pelmo_web_ended();

// Web Audio; open decodes the whole file once and returns its length in seconds, or a
// negative number when it cannot be decoded. audio_available is 0 without Web Audio.
int pelmo_web_audio_available();
double pelmo_web_music_open(const char* path);
void pelmo_web_music_run(double fromSeconds);
void pelmo_web_music_stop();
double pelmo_web_music_elapsed();
void pelmo_web_music_volume(double gain);
void pelmo_web_music_close();
}
