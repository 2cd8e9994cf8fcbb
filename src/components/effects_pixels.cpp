// Effects that work on the 32-bit pixels directly: the fade and the pivots.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "components/effects_internal.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace TransitionEffects {

namespace {

/// One pixel of the fade: blue, green and red mixed, the fourth byte kept.
inline uint32_t mix(uint32_t a, uint32_t b, int p, int q) {
    uint32_t out = a & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t v = (((a >> shift) & 255u) * q + ((b >> shift) & 255u) * p) / 100u;
        out |= v << shift;
    }
    return out;
}

void fadeRow(uint32_t* d, const uint32_t* s, int n, int p) {
    const int q = 100 - p;
    int x = 0;
#ifdef __SSE2__
    // Four pixels at a time in 16-bit lanes. The fourth byte is weighted
    // 100 and 0, so it comes back unchanged. Division by 100 is exact for the
    // sums (at most 25500) as a multiply by 10486 and a shift by 20.
    const __m128i wOld = _mm_setr_epi16(q, q, q, 100, q, q, q, 100);
    const __m128i wNew = _mm_setr_epi16(p, p, p, 0, p, p, p, 0);
    const __m128i magic = _mm_set1_epi16(10486);
    const __m128i zero = _mm_setzero_si128();
    for (; x + 4 <= n; x += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + x));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + x));
        __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), wOld),
                                   _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), wNew));
        __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), wOld),
                                   _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), wNew));
        lo = _mm_srli_epi16(_mm_mulhi_epu16(lo, magic), 4);
        hi = _mm_srli_epi16(_mm_mulhi_epu16(hi, magic), 4);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + x), _mm_packus_epi16(lo, hi));
    }
#endif
    for (; x < n; ++x) d[x] = mix(d[x], s[x], p, q);
}

}  // namespace

void fade(Frame& f) {
    uchar* out = f.screen.bits();
    const uchar* in = f.image.constBits();
    for (int y = 0; y < f.H; ++y)
        fadeRow(reinterpret_cast<uint32_t*>(out + y * f.screen.bytesPerLine()),
                reinterpret_cast<const uint32_t*>(in + y * f.image.bytesPerLine()), f.W,
                f.progress);
}

void pivot(Frame& f, int o) {
    // Worked out for the top-left corner; FX and FY mirror the corner. The
    // image turns about the corner by (100 - P) * pi / 200: a quarter turn
    // (outside the picture) at the start, upright at the end. Each screen
    // pixel centre is turned back into the image; fixed point 16.16 along a row.
    const bool fx = o & FX, fy = o & FY;
    const double angle = (100 - f.progress) * std::numbers::pi / 200;
    const double cs = std::cos(angle), sn = std::sin(angle);
    const int64_t one = 65536;
    const int64_t du = std::llround((fx ? -cs : cs) * one),
                  dv = std::llround((fx ? -sn : sn) * one);
    const int64_t w = f.W, h = f.H;
    uchar* out = f.screen.bits();
    const uchar* in = f.image.constBits();
    const qsizetype outStride = f.screen.bytesPerLine(), inStride = f.image.bytesPerLine();
    for (int y = 0; y < f.H; ++y) {
        const double v = (fy ? f.H - 1 - y : y) + 0.5;
        const double u = (fx ? f.W - 1 : 0) + 0.5;  // canonical x of screen column 0
        int64_t su = std::llround((u * cs - v * sn) * one);
        int64_t sv = std::llround((u * sn + v * cs) * one);
        uint32_t* d = reinterpret_cast<uint32_t*>(out + y * outStride);
        for (int x = 0; x < f.W; ++x, su += du, sv += dv) {
            const int64_t iu = su >> 16, iv = sv >> 16;
            if (iu < 0 || iu >= w || iv < 0 || iv >= h) continue;
            const int64_t sx = fx ? w - 1 - iu : iu, sy = fy ? h - 1 - iv : iv;
            d[x] = reinterpret_cast<const uint32_t*>(in + sy * inStride)[sx];
        }
    }
}

}  // namespace TransitionEffects
