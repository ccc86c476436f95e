#pragma once
// 32-bit blue-green-red-alpha rows split into a colour row and an alpha row, and joined back:
// what a 32-bit TGA costs beyond a 24-bit one. Four pixels per 16-byte shuffle where the
// processor has one (SSSE3), pixel by pixel elsewhere. No byte outside the rows is read or
// written.

#include <QtGlobal>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TESSELLA_PACKING_SHUFFLE 1
#endif

namespace tessella::imagefile {

namespace packing {

// Pixels from x on, one by one; answers the alpha bytes or'ed together. kSwap: the packed
// pixels are red, green, blue, alpha (PNG's order), the colour rows blue, green, red.
template <bool kSwap>
uchar SplitFrom(const uchar* in, uchar* colours, uchar* alpha, int x, int width) {
    constexpr int kFirst = kSwap ? 2 : 0, kLast = kSwap ? 0 : 2;
    uchar any = 0;
    for (; x < width; ++x) {
        colours[3 * x] = in[4 * x + kFirst];
        colours[3 * x + 1] = in[4 * x + 1];
        colours[3 * x + 2] = in[4 * x + kLast];
        alpha[x] = in[4 * x + 3];
        any |= in[4 * x + 3];
    }
    return any;
}

template <bool kSwap>
void JoinFrom(const uchar* colours, const uchar* alpha, uchar* out, int x, int width) {
    constexpr int kFirst = kSwap ? 2 : 0, kLast = kSwap ? 0 : 2;
    for (; x < width; ++x) {
        out[4 * x] = colours[3 * x + kFirst];
        out[4 * x + 1] = colours[3 * x + 1];
        out[4 * x + 2] = colours[3 * x + kLast];
        out[4 * x + 3] = alpha[x];
    }
}

#ifdef TESSELLA_PACKING_SHUFFLE

inline bool HasShuffle() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

// Four pixels a step. A step stores 16 colour bytes of which the last 4 are the next step's
// (rewritten by it), so steps stop 6 pixels before the end: the last store stays in the row.
template <bool kSwap>
__attribute__((target("ssse3"))) uchar SplitShuffled(const uchar* in, uchar* colours, uchar* alpha,
                                                     int width) {
    // Colours to bytes 0..11, the four alphas to 12..15.
    const __m128i order = kSwap
                              ? _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, 3, 7, 11, 15)
                              : _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 3, 7, 11, 15);
    __m128i any = _mm_setzero_si128();
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i v =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 4 * x)), order);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(colours + 3 * x), v);
        const auto four = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(v, 12)));
        std::memcpy(alpha + x, &four, 4);
        any = _mm_or_si128(any, v);
    }
    const auto high = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(any, 12)));
    return static_cast<uchar>((high | high >> 8 | high >> 16 | high >> 24) |
                              SplitFrom<kSwap>(in, colours, alpha, x, width));
}

// Four pixels a step, loading 16 colour bytes of which 12 are used: steps stop 6 pixels before
// the end, so the load stays in the row.
template <bool kSwap>
__attribute__((target("ssse3"))) void JoinShuffled(const uchar* colours, const uchar* alpha,
                                                   uchar* out, int width) {
    const __m128i spread =
        kSwap ? _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1)
              : _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i alphas =
        _mm_setr_epi8(-1, -1, -1, 0, -1, -1, -1, 1, -1, -1, -1, 2, -1, -1, -1, 3);
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i c = _mm_shuffle_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(colours + 3 * x)), spread);
        uint32_t four;
        std::memcpy(&four, alpha + x, 4);
        const __m128i a = _mm_shuffle_epi8(_mm_cvtsi32_si128(static_cast<int>(four)), alphas);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * x), _mm_or_si128(c, a));
    }
    JoinFrom<kSwap>(colours, alpha, out, x, width);
}

#endif

}  // namespace packing

namespace packing {

template <bool kSwap>
uchar Split(const uchar* in, uchar* colours, uchar* alpha, int width) {
#ifdef TESSELLA_PACKING_SHUFFLE
    if (HasShuffle()) return SplitShuffled<kSwap>(in, colours, alpha, width);
#endif
    return SplitFrom<kSwap>(in, colours, alpha, 0, width);
}

template <bool kSwap>
void Join(const uchar* colours, const uchar* alpha, uchar* out, int width) {
#ifdef TESSELLA_PACKING_SHUFFLE
    if (HasShuffle()) return JoinShuffled<kSwap>(colours, alpha, out, width);
#endif
    JoinFrom<kSwap>(colours, alpha, out, 0, width);
}

}  // namespace packing

// One row of width blue, green, red, alpha pixels into a colour row (blue, green, red) and an
// alpha row; answers the alpha bytes or'ed together (0: every one was 0).
inline uchar SplitBgraRow(const uchar* in, uchar* colours, uchar* alpha, int width) {
    return packing::Split<false>(in, colours, alpha, width);
}
// The same from red, green, blue, alpha pixels (PNG's order).
inline uchar SplitRgbaRow(const uchar* in, uchar* colours, uchar* alpha, int width) {
    return packing::Split<true>(in, colours, alpha, width);
}

// A colour row and its alpha row into width blue, green, red, alpha pixels.
inline void JoinBgraRow(const uchar* colours, const uchar* alpha, uchar* out, int width) {
    packing::Join<false>(colours, alpha, out, width);
}
// The same into red, green, blue, alpha pixels.
inline void JoinRgbaRow(const uchar* colours, const uchar* alpha, uchar* out, int width) {
    packing::Join<true>(colours, alpha, out, width);
}

}  // namespace tessella::imagefile
