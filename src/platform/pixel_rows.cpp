// pixel_rows.cpp -- 16 pixels a step where SSE2 is there, one at a time elsewhere
#include "platform/pixel_rows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

void copyRowKeyed(uint8_t* dst, const uint8_t* src, size_t n, uint8_t key) {
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i k = _mm_set1_epi8(static_cast<char>(key));
  for (; i + 16 <= n; i += 16) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i keep = _mm_cmpeq_epi8(s, k);
    const __m128i out = _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, s));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
  }
#endif
  for (; i < n; ++i)
    if (src[i] != key) dst[i] = src[i];
}

void doubleRow(uint8_t* dst, const uint8_t* src, size_t n) {
  size_t i = 0;
#if defined(__SSE2__)
  for (; i + 16 <= n; i += 16) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 2 * i), _mm_unpacklo_epi8(s, s));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 2 * i + 16), _mm_unpackhi_epi8(s, s));
  }
#endif
  for (; i < n; ++i) dst[2 * i] = dst[2 * i + 1] = src[i];
}

void widenRow(int32_t* dst, const uint8_t* src, size_t n) {
  for (size_t i = 0; i < n; ++i) dst[i] = src[i];
}

}  // namespace platform
