#include "rewriting/line_scan.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <immintrin.h>
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

#if defined(__GNUC__) && !defined(_WIN32)
// MinGW does not keep the stack aligned for 32-byte vectors, so Windows keeps to SSE2.
#define TRACKDICE_AVX2 1

__attribute__((target("avx2"))) __m256i stops_in_32(const char* p) {
  __m256i newlines = _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)),
                                       _mm256_set1_epi8('\n'));
  __m256i cr_in_front = _mm256_cmpeq_epi8(
      _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p - 1)), _mm256_set1_epi8('\r'));
  __m256i after = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
  __m256i key_behind =
      _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(after, _mm256_set1_epi8(kKeys[0][0])),
                                      _mm256_cmpeq_epi8(after, _mm256_set1_epi8(kKeys[1][0]))),
                      _mm256_cmpeq_epi8(after, _mm256_set1_epi8(kKeys[2][0])));
  return _mm256_or_si256(_mm256_andnot_si256(cr_in_front, newlines),
                         _mm256_and_si256(key_behind, newlines));
}

// The first stop in the 64 bytes at p, or null.
__attribute__((target("avx2"))) const char* stop_in_64_avx2(const char* p) {
  __m256i low = stops_in_32(p);
  __m256i high = stops_in_32(p + 32);
  if (_mm256_testz_si256(_mm256_or_si256(low, high), _mm256_or_si256(low, high))) return nullptr;
  auto bits = [](int mask) { return std::uint64_t{static_cast<std::uint32_t>(mask)}; };
  std::uint64_t mask = bits(_mm256_movemask_epi8(low)) | bits(_mm256_movemask_epi8(high)) << 32;
  return p + std::countr_zero(mask);
}
#endif

// The first stop in the 64 bytes at p, or null.
const char* stop_in_64_sse2(const char* p) {
  __m128i stops[4] = {stops_in_16(p), stops_in_16(p + 16), stops_in_16(p + 32),
                      stops_in_16(p + 48)};
  __m128i any = _mm_or_si128(_mm_or_si128(stops[0], stops[1]), _mm_or_si128(stops[2], stops[3]));
  if (_mm_movemask_epi8(any) == 0) return nullptr;
  for (int i = 0; i < 4; ++i) {
    if (int bits = _mm_movemask_epi8(stops[i]); bits != 0) {
      return p + 16 * i + std::countr_zero(static_cast<unsigned>(bits));
    }
  }
  return nullptr;
}

using stop_in_64 = const char* (*)(const char* p);

// Routes are mostly CR LF lines that begin with anything but a key. Comparing each byte
// with the bytes on either side of it finds the LFs that matter 64 bytes at a time,
// without a branch per line.
const char* find_stop_with(stop_in_64 look, const char* from, const char* end, bool cr_before) {
  if (from == end) return nullptr;
  // The first byte's neighbour in front lies outside: look at it alone.
  if (*from == '\n' && (!cr_before || from + 1 == end || starts_a_key(from[1]))) return from;
  const char* p = from + 1;
  for (; end - p > 64; p += 64) {  // p[64] is read too
    if (const char* stop = look(p)) return stop;
  }
  return find_stop_bytewise(p, end, p[-1] == '\r');
}

}  // namespace

std::vector<find_stop_function> find_stop_variants() {
  std::vector<find_stop_function> variants = {
      [](const char* from, const char* end, bool cr_before) {
        return find_stop_with(stop_in_64_sse2, from, end, cr_before);
      }};
#if defined(TRACKDICE_AVX2)
  if (__builtin_cpu_supports("avx2")) {
    variants.push_back([](const char* from, const char* end, bool cr_before) {
      return find_stop_with(stop_in_64_avx2, from, end, cr_before);
    });
  }
#endif
  return variants;
}

const char* find_stop(const char* from, const char* end, bool cr_before) {
  // The widest the processor has, chosen once.
  static const find_stop_function fastest = find_stop_variants().back();
  return fastest(from, end, cr_before);
}

#else

std::vector<find_stop_function> find_stop_variants() {
  return {find_stop_bytewise};
}

const char* find_stop(const char* from, const char* end, bool cr_before) {
  return find_stop_bytewise(from, end, cr_before);
}

#endif
