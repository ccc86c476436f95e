#include "editor/PixelShuffle.h"

#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TESSELLA_HAS_SHUFFLE 1
#endif

namespace tessella::editor {

namespace {

uint8_t FloorMean(uint8_t a, uint8_t b) {
    return static_cast<uint8_t>((a & b) + ((a ^ b) >> 1));
}

// The pixels from x on, one by one.
template <bool kMean>
void FinishRow(uint8_t* row, int x, int pixels, PixelOrder order) {
    for (uint8_t* p = row + 3 * x; x < pixels; ++x, p += 3) {
        const uint8_t old[3] = {p[0], p[1], p[2]};
        for (int k = 0; k < 3; ++k) p[k] = kMean ? FloorMean(old[k], old[order[k]]) : old[order[k]];
    }
}

#ifdef TESSELLA_HAS_SHUFFLE

bool HasShuffle() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

// The 16-byte mask applying order to five pixels; byte 15 (the next pixel's first) stays.
__attribute__((target("ssse3"))) __m128i PermuteMask(PixelOrder order) {
    alignas(16) uint8_t mask[16];
    for (int i = 0; i < 15; ++i) mask[i] = static_cast<uint8_t>(i - i % 3 + order[i % 3]);
    mask[15] = 15;
    return _mm_load_si128(reinterpret_cast<const __m128i*>(mask));
}

// In place, five whole pixels per step, each step loading and storing 16 bytes (the 16th, within
// the next pixel or the spare byte, is stored as it was). Each step's bytes are loaded before
// the previous step stores: a load overlapping a fresh store would stall. Answers the pixels
// done.
template <bool kMean>
__attribute__((target("ssse3"))) int Fives(uint8_t* row, int pixels, __m128i mask) {
    const __m128i one = _mm_set1_epi8(1);
    const int steps = pixels / 5;
    if (steps == 0) return 0;
    auto at = [row](int step) { return reinterpret_cast<__m128i*>(row + 15 * step); };
    __m128i v = _mm_loadu_si128(at(0));
    for (int k = 0; k < steps; ++k) {
        const __m128i next = k + 1 < steps ? _mm_loadu_si128(at(k + 1)) : v;
        const __m128i other = _mm_shuffle_epi8(v, mask);
        __m128i result = other;
        if constexpr (kMean) {
            // The rounded-up average less the lost half is the truncated mean.
            const __m128i lost = _mm_and_si128(_mm_xor_si128(v, other), one);
            result = _mm_sub_epi8(_mm_avg_epu8(v, other), lost);
        }
        _mm_storeu_si128(at(k), result);
        v = next;
    }
    return steps * 5;
}

// Every row, the mask made once.
template <bool kMean>
__attribute__((target("ssse3"))) void ShuffleRows(uint8_t* first, ptrdiff_t stride, int width,
                                                  int height, PixelOrder order) {
    const __m128i mask = PermuteMask(order);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = first + y * stride;
        FinishRow<kMean>(row, Fives<kMean>(row, width, mask), width, order);
    }
}

__attribute__((target("ssse3"))) int ReverseFives(const uint8_t* in, uint8_t* out, int pixels) {
    // Pixel k of five goes to pixel 4 - k; byte 15 is a don't-care (the next pixel, written later,
    // or the spare byte).
    const __m128i mask = _mm_setr_epi8(12, 13, 14, 9, 10, 11, 6, 7, 8, 3, 4, 5, 0, 1, 2, 15);
    int done = 0;
    for (; done + 5 <= pixels; done += 5) {
        const __m128i v =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * (pixels - 5 - done)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * done), _mm_shuffle_epi8(v, mask));
    }
    return done;
}

// Sixteen bytes a step: the last sixteen of in not yet taken, reversed. Answers the bytes done.
__attribute__((target("ssse3"))) int ReverseSixteens(const uint8_t* in, uint8_t* out, int count) {
    const __m128i mask = _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
    int done = 0;
    for (; done + 16 <= count; done += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + count - 16 - done));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), _mm_shuffle_epi8(v, mask));
    }
    return done;
}

#else

bool HasShuffle() {
    return false;
}
int PermuteFives(uint8_t*, int, PixelOrder) {
    return 0;
}
int MeanFives(uint8_t*, int, PixelOrder) {
    return 0;
}
int ReverseFives(const uint8_t*, uint8_t*, int) {
    return 0;
}
int ReverseSixteens(const uint8_t*, uint8_t*, int) {
    return 0;
}

#endif

}  // namespace

void PermutePixels(uint8_t* first, ptrdiff_t stride, int width, int height, PixelOrder order) {
    if (HasShuffle()) return ShuffleRows<false>(first, stride, width, height, order);
    for (int y = 0; y < height; ++y) FinishRow<false>(first + y * stride, 0, width, order);
}

void MeanWithPermutedPixels(uint8_t* first, ptrdiff_t stride, int width, int height,
                            PixelOrder order) {
    if (HasShuffle()) return ShuffleRows<true>(first, stride, width, height, order);
    for (int y = 0; y < height; ++y) FinishRow<true>(first + y * stride, 0, width, order);
}

void ReverseRow(const uint8_t* in, uint8_t* out, int pixels) {
    int x = HasShuffle() ? ReverseFives(in, out, pixels) : 0;
    for (; x < pixels; ++x) std::memcpy(out + 3 * x, in + 3 * (pixels - 1 - x), 3);
}

void ReverseBytes(const uint8_t* in, uint8_t* out, int count) {
    int i = HasShuffle() ? ReverseSixteens(in, out, count) : 0;
    for (; i < count; ++i) out[i] = in[count - 1 - i];
}

}  // namespace tessella::editor
