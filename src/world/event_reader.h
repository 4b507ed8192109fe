// event_reader.h -- the event section of a map file, read into the event tables
#pragma once

#include "world/map_text.h"

namespace world {

namespace text {
inline constexpr const char* kTooManySteps =
    "\xBB\xE7\xB0\xC7\xC0\xC7 \xB8\xED\xB7\xC9\xC0\xCC \xB3\xCA\xB9\xAB "
    "\xB8\xB9\xBD\xC0\xB4\xCF\xB4\xD9";  // 사건의 명령이 너무 많습니다
inline constexpr const char* kTooManyTextLines =
    "\xB1\xDB \xC1\xD9\xC0\xCC \xB3\xCA\xB9\xAB \xB8\xB9\xBD\xC0\xB4\xCF\xB4\xD9";  // 글 줄이 너무
                                                                                    // 많습니다
}  // namespace text

// The label that opens and closes an event holds at most 7 bytes.
constexpr int kLabelSize = 8;

// Reads the event count and the events after it, from where the actor section
// ended, into EventOps, EventArg1, EventArg2, EventStr and TextLines, with
// NextTextLine as the next free text line. The tables must be in their reset
// state. Stops at the first fault (kept in text, with its line): an event
// number outside 0..100, a 201st step of an event, a 502nd text line, a token
// longer than its cell, or the end of the file before an event's closing label
// or a text block's "}" line. Whatever was stored before the fault stays.
void readEvents(MapText& text);

}  // namespace world
