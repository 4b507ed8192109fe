// keyboard.h -- the keyboard as a 256-byte state indexed by DirectInput key codes
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

namespace dik {
constexpr uint8_t ESCAPE = 0x01;
constexpr uint8_t KEY_1 = 0x02;
constexpr uint8_t RETURN = 0x1C;
constexpr uint8_t LCONTROL = 0x1D;
constexpr uint8_t LMENU = 0x38;
constexpr uint8_t SPACE = 0x39;
constexpr uint8_t F1 = 0x3B;
constexpr uint8_t F2 = 0x3C;
constexpr uint8_t F9 = 0x43;
constexpr uint8_t F12 = 0x58;
constexpr uint8_t NUMPAD4 = 0x4B;
constexpr uint8_t NUMPAD6 = 0x4D;
constexpr uint8_t LEFT = 0xCB;
constexpr uint8_t RIGHT = 0xCD;
}  // namespace dik

// The DirectInput name of a key code without its "DIK_" prefix, or null.
const char* dikName(uint8_t code);
// A key name ("SPACE") or code ("0x39") to its code; false when unknown.
bool parseDikKey(const std::string& token, uint8_t& code);

// The keyboard device: created at start-up, read once a frame.
bool createKeyboardDevice();
void releaseKeyboardDevice();
bool keyboardDeviceExists();
// Fills state with the keyboard as it is now (or as the key script says),
// records it when recording, and counts the read. F12 is the player's screenshot key,
// never the game's: pressing it writes a screenshot, and the state never holds it. F9, the
// map author's key, is not the game's either: each press shows or hides the tracer's overlay.
// Once the game is to stop, the state is left as it was and the read is not counted.
void readKeyboardState(uint8_t state[256]);
uint64_t keyboardReads();
// Whether F9 has been pressed an odd number of times.
bool overlayShown();

// Plays a key script instead of the keyboard; false with a message naming the
// file and line when it cannot be read.
bool useKeyScript(const std::string& path, std::string& error);
// Writes the keys of this run as a key script to path: the file is made (empty) at once,
// and written at finishKeyRecording. Each is false with "PATH: reason" when it fails.
bool recordKeyScript(const std::string& path, std::string& error);
bool finishKeyRecording(std::string& error);

// A provider decides the keys of every read (numbered from 0, as in key
// scripts) in place of the device or a key script: for tools that play the
// game themselves. It is given a cleared state; the recorder still sees what it
// decides. An empty function removes it.
using KeyProvider = std::function<void(uint64_t read, uint8_t state[256])>;
void setKeyProvider(KeyProvider provider);

void resetKeyboard();

}  // namespace platform
