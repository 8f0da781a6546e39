#include "rewriting/line_scan.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

bool starts_a_key(char c) {
  return c == kKeys[0][0] || c == kKeys[1][0] || c == kKeys[2][0];
}

const char* find_stop_bytewise(const char* from, const char* end, bool cr_before) {
  for (const char* p = from; p < end; ++p) {
    if (*p == '\n' && (!cr_before || p + 1 == end || starts_a_key(p[1]))) return p;
    cr_before = *p == '\r';
  }
  return nullptr;
}

#if defined(__SSE2__)

namespace {

// The LFs among the 16 bytes at p that need a look, as a byte mask; p[-1] and p[16] must
// be readable.
__m128i stops_in_16(const char* p) {
  auto load = [](const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); };
  __m128i newlines = _mm_cmpeq_epi8(load(p), _mm_set1_epi8('\n'));
  __m128i cr_in_front = _mm_cmpeq_epi8(load(p - 1), _mm_set1_epi8('\r'));
  __m128i after = load(p + 1);
  __m128i key_behind = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(after, _mm_set1_epi8(kKeys[0][0])),
                                                 _mm_cmpeq_epi8(after, _mm_set1_epi8(kKeys[1][0]))),
                                    _mm_cmpeq_epi8(after, _mm_set1_epi8(kKeys[2][0])));
  return _mm_or_si128(_mm_andnot_si128(cr_in_front, newlines), _mm_and_si128(key_behind, newlines));
}

}  // namespace

// Routes are mostly CR LF lines that begin with anything but a key. Comparing each byte
// with the bytes on either side of it finds the LFs that matter 64 bytes at a time,
// without a branch per line.
const char* find_stop(const char* from, const char* end, bool cr_before) {
  if (from == end) return nullptr;
  // The first byte's neighbour in front lies outside: look at it alone.
  if (*from == '\n' && (!cr_before || from + 1 == end || starts_a_key(from[1]))) return from;
  const char* p = from + 1;
  while (end - p > 64) {  // p[64] is read too
    __m128i stops[4] = {stops_in_16(p), stops_in_16(p + 16), stops_in_16(p + 32),
                        stops_in_16(p + 48)};
    __m128i any = _mm_or_si128(_mm_or_si128(stops[0], stops[1]), _mm_or_si128(stops[2], stops[3]));
    if (_mm_movemask_epi8(any) != 0) {
      for (const __m128i& found : stops) {
        if (int bits = _mm_movemask_epi8(found); bits != 0)
          return p + std::countr_zero(unsigned(bits));
        p += 16;
      }
    }
    p += 64;
  }
  return find_stop_bytewise(p, end, p[-1] == '\r');
}

#else

const char* find_stop(const char* from, const char* end, bool cr_before) {
  return find_stop_bytewise(from, end, cr_before);
}

#endif
