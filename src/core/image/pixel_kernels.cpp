#include "core/image/pixel_kernels.h"

#include <array>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TESSERA_WIDE_KERNELS 1
#include <immintrin.h>
#endif

namespace tessera::pixel_kernels {

#if defined(TESSERA_WIDE_KERNELS)

namespace {

#define TESSERA_AVX2 __attribute__((target("avx2")))

// m[a] = ceil(65536 * 255 / a): floor(x * m[a] / 65536) equals floor(x * 255 / a) for every
// x, a in 0..255, because the rounding error stays below 255 / 65536 < 1 / a, and x * m[a] fits
// 32 bits. m[0] = 0 makes a transparent pixel all zero; m[255] = 65536 keeps the colour.
struct Reciprocals {
  std::array<std::int32_t, 256> values{};
  Reciprocals() {
    for (int a = 1; a < 256; ++a) values[a] = (65536 * 255 + a - 1) / a;
  }
};

const Reciprocals& reciprocals() {
  static const Reciprocals table;
  return table;
}

// Four pixels in 16-bit lanes: colour x alpha / 255 (alpha x 255 / 255 keeps the alpha), with
// the exact truncating division (v + 1 + (v >> 8)) >> 8.
TESSERA_AVX2 inline __m256i premultiplyLanes(__m256i px) {
  __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(px, 0xff), 0xff);
  alpha = _mm256_blend_epi16(alpha, _mm256_set1_epi16(255), 0x88);
  const __m256i product = _mm256_mullo_epi16(px, alpha);
  const __m256i rounded = _mm256_add_epi16(_mm256_add_epi16(product, _mm256_set1_epi16(1)), _mm256_srli_epi16(product, 8));
  return _mm256_srli_epi16(rounded, 8);
}

TESSERA_AVX2 std::size_t premultiplyAvx2(std::uint32_t* pixels, std::size_t count) {
  const __m256i alphaBits = _mm256_set1_epi32(static_cast<int>(0xff000000u));
  const __m256i zero = _mm256_setzero_si256();
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    auto* at = reinterpret_cast<__m256i*>(pixels + i);
    const __m256i v = _mm256_loadu_si256(at);
    // Skin pictures are mostly opaque or fully transparent: those groups need no arithmetic.
    const __m256i alpha = _mm256_and_si256(v, alphaBits);
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(alpha, alphaBits)) == -1) continue;
    if (_mm256_testz_si256(v, alphaBits)) {
      _mm256_storeu_si256(at, zero);
      continue;
    }
    const __m256i low = premultiplyLanes(_mm256_unpacklo_epi8(v, zero));
    const __m256i high = premultiplyLanes(_mm256_unpackhi_epi8(v, zero));
    _mm256_storeu_si256(at, _mm256_packus_epi16(low, high));
  }
  return i;
}

// One colour channel of eight pixels made straight: min(255, c * m / 65536).
template <int Shift>
TESSERA_AVX2 inline __m256i straightChannel(__m256i pixels, __m256i multiplier) {
  const __m256i c = _mm256_and_si256(_mm256_srli_epi32(pixels, Shift), _mm256_set1_epi32(0xff));
  const __m256i straight = _mm256_srli_epi32(_mm256_mullo_epi32(c, multiplier), 16);
  return _mm256_slli_epi32(_mm256_min_epu32(straight, _mm256_set1_epi32(255)), Shift);
}

TESSERA_AVX2 std::size_t unpremultiplyAvx2(const std::uint32_t* source, void* target, std::size_t count) {
  const std::int32_t* table = reciprocals().values.data();
  const __m256i alphaBits = _mm256_set1_epi32(static_cast<int>(0xff000000u));
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
    auto* out = reinterpret_cast<__m256i*>(static_cast<char*>(target) + i * 4);
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(v, alphaBits), alphaBits)) == -1) {
      _mm256_storeu_si256(out, v);
      continue;
    }
    const __m256i alpha = _mm256_srli_epi32(v, 24);
    const __m256i multiplier = _mm256_i32gather_epi32(table, alpha, 4);
    const __m256i colour = _mm256_or_si256(
        _mm256_or_si256(straightChannel<0>(v, multiplier), straightChannel<8>(v, multiplier)),
        straightChannel<16>(v, multiplier));
    _mm256_storeu_si256(out, _mm256_or_si256(colour, _mm256_slli_epi32(alpha, 24)));
  }
  return i;
}

}  // namespace

bool WideAvailable() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

std::size_t PremultiplyWide(std::uint32_t* pixels, std::size_t count) {
  return WideAvailable() ? premultiplyAvx2(pixels, count) : 0;
}

std::size_t UnpremultiplyWide(const std::uint32_t* source, void* target, std::size_t count) {
  return WideAvailable() ? unpremultiplyAvx2(source, target, count) : 0;
}

#else

bool WideAvailable() { return false; }
std::size_t PremultiplyWide(std::uint32_t*, std::size_t) { return 0; }
std::size_t UnpremultiplyWide(const std::uint32_t*, void*, std::size_t) { return 0; }

#endif

}  // namespace tessera::pixel_kernels
