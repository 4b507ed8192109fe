// pixel_rows.h -- whole-row pixel operations for the blitter, the software drawing and the palette
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Copies n pixels, leaving dst as it is wherever src holds key.
void copyRowKeyed(uint8_t* dst, const uint8_t* src, size_t n, uint8_t key);
// Writes each of the n source pixels twice: 2n pixels into dst.
void doubleRow(uint8_t* dst, const uint8_t* src, size_t n);
// Widens n bytes into n 32-bit entries (the mixing table's, read from the palette file).
void widenRow(int32_t* dst, const uint8_t* src, size_t n);

}  // namespace platform
