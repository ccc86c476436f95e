#include "pixels/Blur.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>
#if defined(__SSE2__) && !defined(TESSELLA_NO_SIMD)
#include <emmintrin.h>
#endif

#include "platform/Error.h"

namespace tessella::pixels {

namespace {

// Reads and writes with coordinates limited to the picture, so edge pixels repeat.
class LimitedPicture {
  public:
    explicit LimitedPicture(PixelGrid& image)
        : image_(image), w_(image.width()), h_(image.height()) {}

    Bgr& at(int x, int y) {
        x = x < 0 ? 0 : (x >= w_ ? w_ - 1 : x);
        y = y < 0 ? 0 : (y >= h_ ? h_ - 1 : y);
        return image_.at(x, y);
    }

    // Per channel, the sum of the block with corners (x, y) and (x + 1, y + 1) div 4.
    Bgr mean(int x, int y) {
        const Bgr a = at(x, y), b = at(x, y + 1), c = at(x + 1, y + 1), d = at(x + 1, y);
        return {static_cast<uint8_t>((a.b + b.b + c.b + d.b) >> 2),
                static_cast<uint8_t>((a.g + b.g + c.g + d.g) >> 2),
                static_cast<uint8_t>((a.r + b.r + c.r + d.r) >> 2)};
    }

    void fill(int x, int y, Bgr m) {
        at(x, y) = m;
        at(x, y + 1) = m;
        at(x + 1, y + 1) = m;
        at(x + 1, y) = m;
    }

    void average(int x, int y) { fill(x, y, mean(x, y)); }

  private:
    PixelGrid& image_;
    int w_;
    int h_;
};

// Asks for the cache line holding p ahead of its use.
inline void PrefetchLine(const void* p) {
    __builtin_prefetch(p, 0, 3);
}

// n div s for the weighted sums of four texels (n < 2^18, 1 <= s <= 1020) as (n x of[s]) >> 31,
// of[s] = 2^31 div s + 1: the product overshoots n / s by less than 2^18 / 2^31 = 2^-13, and
// the fraction of n / s is never within 1 / s (at least 2^-10) of the next integer, so the shift
// floors it exactly. A table, since a division per channel cost the blur most of its time.
struct Reciprocals {
    uint32_t of[1021] = {};
    constexpr Reciprocals() {
        for (uint32_t s = 1; s <= 1020; ++s) of[s] = (uint32_t{1} << 31) / s + 1;
    }
};
constexpr Reciprocals kReciprocals;

// The same for a picture with an alpha plane: a block's colour is the mean of its four colours
// weighted by their alpha (divided by the alpha sum itself, so that a faint texel keeps its
// colour exactly), truncated; its alpha is the truncated mean of the four. A block whose four
// texels are fully transparent takes the plain mean, as an opaque picture would.
class LimitedAlphaPicture {
  public:
    struct Texel {
        Bgr colour;
        uint8_t alpha;
    };

    explicit LimitedAlphaPicture(PixelGrid& image)
        : image_(image), w_(image.width()), h_(image.height()) {}

    // The mean of four texels, each given by its colour and alpha.
    static Texel MeanOf(const Bgr* const colours[4], const unsigned alphas[4]) {
        return Mean(*colours[0], alphas[0], *colours[1], alphas[1], *colours[2], alphas[2],
                    *colours[3], alphas[3]);
    }

    [[gnu::always_inline]] static Texel Mean(Bgr p, unsigned pa, Bgr q, unsigned qa, Bgr r,
                                             unsigned ra, Bgr s, unsigned sa) {
        const unsigned alphaSum = pa + qa + ra + sa;
        if (alphaSum == 0)
            return {{static_cast<uint8_t>((p.b + q.b + r.b + s.b) >> 2),
                     static_cast<uint8_t>((p.g + q.g + r.g + s.g) >> 2),
                     static_cast<uint8_t>((p.r + q.r + r.r + s.r) >> 2)},
                    0};
        const uint64_t reciprocal = kReciprocals.of[alphaSum];
        const auto channel = [&](unsigned a, unsigned b, unsigned c, unsigned d) {
            return static_cast<uint8_t>(((a * pa + b * qa + c * ra + d * sa) * reciprocal) >> 31);
        };
        return {
            {channel(p.b, q.b, r.b, s.b), channel(p.g, q.g, r.g, s.g), channel(p.r, q.r, r.r, s.r)},
            static_cast<uint8_t>(alphaSum >> 2)};
    }

    Texel mean(int x, int y) const {
        const int xs[4] = {x, x, x + 1, x + 1}, ys[4] = {y, y + 1, y + 1, y};
        const Bgr* colours[4];
        unsigned alphas[4];
        for (int i = 0; i < 4; ++i) {
            const int cx = Limit(xs[i], w_), cy = Limit(ys[i], h_);
            colours[i] = &image_.at(cx, cy);
            alphas[i] = image_.alphaRow(cy)[cx];
        }
        return MeanOf(colours, alphas);
    }

    void fill(int x, int y, Texel m) {
        set(x, y, m);
        set(x, y + 1, m);
        set(x + 1, y + 1, m);
        set(x + 1, y, m);
    }

    void average(int x, int y) { fill(x, y, mean(x, y)); }

  private:
    static int Limit(int v, int n) { return v < 0 ? 0 : (v >= n ? n - 1 : v); }
    void set(int x, int y, Texel m) {
        x = Limit(x, w_);
        y = Limit(y, h_);
        image_.at(x, y) = m.colour;
        image_.alphaRow(y)[x] = m.alpha;
    }

    PixelGrid& image_;
    int w_;
    int h_;
};

#if defined(__SSE2__) && !defined(TESSELLA_NO_SIMD)
// The whole blur of a picture with an alpha plane, sixteen columns at once: column k of the group
// is at row t - 2k at step t, so every block finds its upper half (its column's last mean) and its
// lower-left pixel (the mean column k - 1 made at the step before) in registers, and reads only
// its lower-right pixel, still untouched. Only for steps where no column is at its first row or its
// last two, nor limited at the right edge; it writes what the block-by-block walk writes.
class AlphaLanes {
  public:
    static constexpr int kLanes = 16;
    using Texel = LimitedAlphaPicture::Texel;

    // Colours and alphas from column 0 of the group, row 0; `last` holds each column's mean.
    AlphaLanes(Bgr* colours, ptrdiff_t stride, uint8_t* alpha, const Texel (&last)[kLanes])
        : colours_(colours), s_(stride), alpha_(alpha) {
        alignas(16) uint32_t words[kLanes];
        for (int k = 0; k < kLanes; ++k)
            words[k] = uint32_t{last[k].colour.b} | uint32_t{last[k].colour.g} << 8 |
                       uint32_t{last[k].colour.r} << 16 | uint32_t{last[k].alpha} << 24;
        for (int half = 0; half < 2; ++half) m_[half] = Unpack(words + 8 * half);
    }

    void save(Texel (&last)[kLanes]) const {
        alignas(16) uint32_t words[kLanes];
        store(words);
        for (int k = 0; k < kLanes; ++k)
            last[k] = {{static_cast<uint8_t>(words[k]), static_cast<uint8_t>(words[k] >> 8),
                        static_cast<uint8_t>(words[k] >> 16)},
                       static_cast<uint8_t>(words[k] >> 24)};
    }

    // The alphas lie kAlphaStride bytes from row to row.
    template <ptrdiff_t kAlphaStride>
    void step(int t) {
        constexpr ptrdiff_t kAlphaStep = 1 - 2 * kAlphaStride;
        const ptrdiff_t colourStep = 1 - 2 * s_;
        // Lower-right pixels: column k + 1, row t - 2k + 1. The colours go together in registers:
        // a vector loaded from words just stored one by one would wait for them.
        const Bgr* c = colours_ + (t + 1) * s_ + 1;
        __m128i quads[4];
#pragma GCC unroll 4
        for (int q = 0; q < 4; ++q) {
            __m128i v[4];
#pragma GCC unroll 4
            for (int i = 0; i < 4; ++i, c += colourStep) {
                uint32_t word;
                std::memcpy(&word, static_cast<const void*>(c), 4);  // a spare column past the edge
                v[i] = _mm_cvtsi32_si128(static_cast<int>(word));
            }
            quads[q] =
                _mm_unpacklo_epi64(_mm_unpacklo_epi32(v[0], v[1]), _mm_unpacklo_epi32(v[2], v[3]));
        }
        const uint8_t* a = alpha_ + (t + 1) * kAlphaStride + 1;
        Planes right[2] = {Unpack(quads[0], quads[1]), Unpack(quads[2], quads[3])};
        right[0].a = GatherAlpha<kAlphaStep>(a, std::make_index_sequence<8>());
        right[1].a = GatherAlpha<kAlphaStep>(a + 8 * kAlphaStep, std::make_index_sequence<8>());
        // Lower-left pixels: the means the column on the left made at the step before; column 0's
        // comes from the picture (the group on the left, or the untouched first column).
        const Bgr* leftColour = colours_ + (t + 1) * s_;
        const int leftAlpha = alpha_[(t + 1) * kAlphaStride];
        Planes lowerLeft[2];
        lowerLeft[0] = {_mm_insert_epi16(_mm_slli_si128(m_[0].b, 2), leftColour->b, 0),
                        _mm_insert_epi16(_mm_slli_si128(m_[0].g, 2), leftColour->g, 0),
                        _mm_insert_epi16(_mm_slli_si128(m_[0].r, 2), leftColour->r, 0),
                        _mm_insert_epi16(_mm_slli_si128(m_[0].a, 2), leftAlpha, 0)};
        const auto carried = [](__m128i lanes, __m128i before) {
            return _mm_or_si128(_mm_slli_si128(lanes, 2), _mm_srli_si128(before, 14));
        };
        lowerLeft[1] = {carried(m_[1].b, m_[0].b), carried(m_[1].g, m_[0].g),
                        carried(m_[1].r, m_[0].r), carried(m_[1].a, m_[0].a)};
        for (int half = 0; half < 2; ++half)
            m_[half] = Mean(m_[half], lowerLeft[half], right[half]);
        // Each column writes its mean to its own pixel and the one on its right, in row t - 2k.
        alignas(16) uint32_t words[kLanes];
        storeColours(words);
        Bgr* o = colours_ + t * s_;
#pragma GCC unroll 16
        for (int k = 0; k < kLanes; ++k, o += colourStep) {
            uint64_t colour = words[k];
            colour |= colour << 24;
            std::memcpy(static_cast<void*>(o), &colour, 6);
        }
        uint8_t* oa = alpha_ + t * kAlphaStride;
        ScatterAlpha<kAlphaStep>(oa, _mm_or_si128(m_[0].a, _mm_slli_epi16(m_[0].a, 8)),
                                 std::make_index_sequence<8>());
        ScatterAlpha<kAlphaStep>(oa + 8 * kAlphaStep,
                                 _mm_or_si128(m_[1].a, _mm_slli_epi16(m_[1].a, 8)),
                                 std::make_index_sequence<8>());
    }

  private:
    struct Planes {
        __m128i b, g, r, a;  // eight lanes of 16 bits
    };

    // Lane k from a + k x kStep; reads the byte after each (the next column, or the copy's
    // padding).
    template <ptrdiff_t kStep, size_t... K>
    static __m128i GatherAlpha(const uint8_t* a, std::index_sequence<K...>) {
        __m128i v = _mm_setzero_si128();
        const auto at = [a](ptrdiff_t offset) {
            uint16_t pair;
            std::memcpy(&pair, a + offset, 2);
            return static_cast<int>(pair);
        };
        ((v = _mm_insert_epi16(v, at(static_cast<ptrdiff_t>(K) * kStep), static_cast<int>(K))),
         ...);
        return _mm_and_si128(v, _mm_set1_epi16(0xFF));
    }

    // The two bytes of lane k to a + k x kStep.
    template <ptrdiff_t kStep, size_t... K>
    static void ScatterAlpha(uint8_t* a, __m128i pairs, std::index_sequence<K...>) {
        const auto put = [a](ptrdiff_t offset, int pair) {
            const auto v = static_cast<uint16_t>(pair);
            std::memcpy(a + offset, &v, 2);
        };
        (put(static_cast<ptrdiff_t>(K) * kStep, _mm_extract_epi16(pairs, static_cast<int>(K))),
         ...);
    }

    static Planes Unpack(const uint32_t* words) {
        return Unpack(_mm_load_si128(reinterpret_cast<const __m128i*>(words)),
                      _mm_load_si128(reinterpret_cast<const __m128i*>(words + 4)));
    }
    // Eight words (blue, green, red, alpha) into four planes.
    static Planes Unpack(__m128i v0, __m128i v1) {
        const __m128i t0 = _mm_unpacklo_epi8(v0, v1), t1 = _mm_unpackhi_epi8(v0, v1);
        const __m128i u0 = _mm_unpacklo_epi8(t0, t1), u1 = _mm_unpackhi_epi8(t0, t1);
        const __m128i bg = _mm_unpacklo_epi8(u0, u1), ra = _mm_unpackhi_epi8(u0, u1);
        const __m128i zero = _mm_setzero_si128();
        return {_mm_unpacklo_epi8(bg, zero), _mm_unpackhi_epi8(bg, zero),
                _mm_unpacklo_epi8(ra, zero), _mm_unpackhi_epi8(ra, zero)};
    }

    // The planes as words, with their alphas or with zero in their place.
    void store(uint32_t* words, bool withAlpha = true) const {
        for (int half = 0; half < 2; ++half) {
            const Planes& p = m_[half];
            const __m128i bg = _mm_packus_epi16(p.b, p.g);
            const __m128i ra = _mm_packus_epi16(p.r, withAlpha ? p.a : _mm_setzero_si128());
            const __m128i br = _mm_unpacklo_epi8(bg, ra), ga = _mm_unpackhi_epi8(bg, ra);
            _mm_store_si128(reinterpret_cast<__m128i*>(words + 8 * half),
                            _mm_unpacklo_epi8(br, ga));
            _mm_store_si128(reinterpret_cast<__m128i*>(words + 8 * half + 4),
                            _mm_unpackhi_epi8(br, ga));
        }
    }
    void storeColours(uint32_t* words) const {
        store(words, false);
    }

    // LimitedAlphaPicture::Mean of (m, m, l, r) in each lane. A block with no alpha weighs its
    // texels 2, 1, 1 (the plain mean). The quotient n div s in single precision: n and s are
    // exact, and n x ((1 + 2^-20) / s) lies at or above n / s, by less than 2^-10 / 256 x n / s
    // (rounding errors being 2^-24 each); below 256, that is less than 1 / 1020, the least gap
    // between a fraction of n / s and the next integer, so truncating gives floor(n / s).
    static Planes Mean(const Planes& m, const Planes& l, const Planes& r) {
        const __m128i zero = _mm_setzero_si128();
        const __m128i twiceM = _mm_add_epi16(m.a, m.a);
        const __m128i sum = _mm_add_epi16(_mm_add_epi16(twiceM, l.a), r.a);
        const __m128i none = _mm_cmpeq_epi16(sum, zero);
        const __m128i one = _mm_and_si128(none, _mm_set1_epi16(1));
        const __m128i wm = _mm_or_si128(twiceM, _mm_add_epi16(one, one));
        const __m128i wl = _mm_or_si128(l.a, one), wr = _mm_or_si128(r.a, one);
        const __m128i ws = _mm_or_si128(sum, _mm_slli_epi16(one, 2));
        const __m128 unit = _mm_set1_ps(1.0f + 1.0f / (1 << 20));
        const __m128 recipLo = _mm_div_ps(unit, _mm_cvtepi32_ps(_mm_unpacklo_epi16(ws, zero)));
        const __m128 recipHi = _mm_div_ps(unit, _mm_cvtepi32_ps(_mm_unpackhi_epi16(ws, zero)));
        const __m128i weightsLo = _mm_unpacklo_epi16(wm, wl);
        const __m128i weightsHi = _mm_unpackhi_epi16(wm, wl);
        const auto channel = [&](__m128i mc, __m128i lc, __m128i rc) {
            const __m128i rp = _mm_mullo_epi16(rc, wr);  // at most 255 x 255: no carry lost
            const __m128i nLo = _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi16(mc, lc), weightsLo),
                                              _mm_unpacklo_epi16(rp, zero));
            const __m128i nHi = _mm_add_epi32(_mm_madd_epi16(_mm_unpackhi_epi16(mc, lc), weightsHi),
                                              _mm_unpackhi_epi16(rp, zero));
            return _mm_packs_epi32(_mm_cvttps_epi32(_mm_mul_ps(_mm_cvtepi32_ps(nLo), recipLo)),
                                   _mm_cvttps_epi32(_mm_mul_ps(_mm_cvtepi32_ps(nHi), recipHi)));
        };
        return {channel(m.b, l.b, r.b), channel(m.g, l.g, r.g), channel(m.r, l.r, r.r),
                _mm_srli_epi16(sum, 2)};
    }

    Bgr* colours_;
    ptrdiff_t s_;
    uint8_t* alpha_;
    Planes m_[2];
};
#endif

// The running mean of one column of the whole blur, over the pixel pair (x, x + 1), or over
// pixel x alone in the last column (`single`).
#if defined(__SSE2__) && !defined(TESSELLA_NO_SIMD)
class ColumnMean {
  public:
    void start(const Bgr* a, ptrdiff_t s, bool single) {
        m_ = _mm_srli_epi16(_mm_add_epi16(PairSum(a, single), PairSum(a + s, single)), 2);
    }
    void next(const Bgr* a, ptrdiff_t s, bool single) {
        m_ = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(m_, m_), PairSum(a + s, single)), 2);
    }
    void store(Bgr* a, bool single) const {
        const uint32_t v =
            static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(m_, m_))) & 0xFFFFFFu;
        if (single) {
            std::memcpy(static_cast<void*>(a), &v, 3);
        } else {
            const uint64_t both = v | (uint64_t{v} << 24);
            std::memcpy(static_cast<void*>(a), &both, 6);
        }
    }

  private:
    // Blue, green and red of p[0] + p[1] (or 2 x p[0]) in the low 16-bit lanes. Reads 8 bytes:
    // the last column's extra bytes fall in the spare columns.
    static_assert(PixelGrid::kSpareColumns >= 2);
    static __m128i PairSum(const Bgr* p, bool single) {
        const __m128i v = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                                            _mm_setzero_si128());
        return _mm_add_epi16(v, single ? v : _mm_srli_si128(v, 6));
    }
    __m128i m_;
};

// Columns x and x + 1 of the whole blur walked together (two rows or more): column x + 1's walk
// runs one row behind and takes column x's means from a register instead of reading them back.
// `secondIsLast`: column x + 1 is the last column, its right neighbour itself. Step i (0..h) reads
// rows i and i + 1 of columns x..x + 2 and writes row i of column x and row i - 1 of columns x + 1
// and x + 2; step h writes the last row of those two.
class ColumnPairWalk {
  public:
    ColumnPairWalk() = default;
    ColumnPairWalk(Bgr* top, ptrdiff_t s, int h, bool secondIsLast)
        : top_(top), s_(s), h_(h), secondIsLast_(secondIsLast) {}

    void step(int i) {
        Bgr* row = top_ + i * s_;
        if (i == 0) {
            m0_ = _mm_srli_epi16(_mm_add_epi16(PairSum(row), PairSum(row + s_)), 2);
            Store1(row, m0_);
            return;
        }
        Bgr* above = row - s_;
        if (i == h_) {
            storeSecond(above + 1, m1_);
            return;
        }
        if (i > 1 && i < h_ - 1 && !secondIsLast_) return Middle(row, s_, m0_, m1_);
        const __m128i m0Above = m0_;
        if (i < h_ - 1) m0_ = NextMean(m0_, PairSum(row + s_));
        Store1(row, m0_);
        // Column x + 1 at row i - 1: its left pixels are column x's means of rows i - 1 and i,
        // its right ones the untouched column x + 2.
        const __m128i right = secondIsLast_ ? m0_ : Load(row + 2);
        if (i == 1) {
            const __m128i rightAbove = secondIsLast_ ? m0Above : Load(above + 2);
            m1_ = _mm_srli_epi16(
                _mm_add_epi16(_mm_add_epi16(m0Above, m0_), _mm_add_epi16(rightAbove, right)), 2);
        } else {
            m1_ = NextMean(m1_, _mm_add_epi16(m0_, right));
        }
        storeSecond(above + 1, m1_);
    }

    // Step i of a pair with a right neighbour, 1 < i < h - 1: the walk's steady state.
    static void Middle(Bgr* row, ptrdiff_t s, __m128i& m0, __m128i& m1) {
        m0 = NextMean(m0, PairSum(row + s));
        Store1(row, m0);
        m1 = NextMean(m1, _mm_add_epi16(m0, Load(row + 2)));
        uint64_t v = Packed(m1);
        v |= v << 24;
        std::memcpy(static_cast<void*>(row - s + 1), &v, 6);
    }

    __m128i& m0() { return m0_; }
    __m128i& m1() { return m1_; }

  private:
    static_assert(PixelGrid::kSpareColumns >= 2, "8-byte loads reach two pixels past the width");
    static __m128i Load(const Bgr* p) {
        return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                                 _mm_setzero_si128());
    }
    static __m128i PairSum(const Bgr* p) {
        const __m128i v = Load(p);
        return _mm_add_epi16(v, _mm_srli_si128(v, 6));
    }
    // A block whose upper half already holds mean m: (2m + the lower pixels' sum) div 4.
    static __m128i NextMean(__m128i m, __m128i lowerSum) {
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(m, m), lowerSum), 2);
    }
    static uint32_t Packed(__m128i m) {
        return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(m, m))) & 0xFFFFFFu;
    }
    static void Store1(Bgr* p, __m128i m) {
        const uint32_t v = Packed(m);
        std::memcpy(static_cast<void*>(p), &v, 3);
    }
    void storeSecond(Bgr* p, __m128i m) const {
        uint64_t v = Packed(m);
        if (secondIsLast_) {
            std::memcpy(static_cast<void*>(p), &v, 3);
        } else {
            v |= v << 24;
            std::memcpy(static_cast<void*>(p), &v, 6);
        }
    }

    Bgr* top_ = nullptr;
    ptrdiff_t s_ = 0;
    int h_ = 0;
    bool secondIsLast_ = false;
    __m128i m0_ = _mm_setzero_si128();
    __m128i m1_ = _mm_setzero_si128();
};

// Every column pair, kPairs at a time. Pair x + 2 reads what pair x writes two rows further
// down, so within a group each pair runs kLag rows behind the one on its left: the result is that
// of walking the pairs one after the other, while the group's walks overlap in time and share the
// rows they bring into the cache.
void SmoothColumnPairs(PixelGrid& image) {
    constexpr int kPairs = 32;
    constexpr int kLag = 4;  // rows; 2 would do, 4 keeps each read clear of the stores just made
    const int w = image.width(), h = image.height();
    const ptrdiff_t s = image.stride();
    ColumnPairWalk walks[kPairs];
    for (int x = 0; x + 1 < w; x += 2 * kPairs) {
        const int n = std::min(kPairs, (w - x) / 2);
        for (int k = 0; k < n; ++k) {
            const int column = x + 2 * k;
            walks[k] = ColumnPairWalk(image.row(0) + column, s, h, column + 2 == w);
        }
        const auto stepAll = [&](int t) {
            for (int k = std::max(0, (t - h + kLag - 1) / kLag); k < n && t - kLag * k >= 0; ++k)
                walks[k].step(t - kLag * k);
        };
        // Steps where every pair of the group is in its steady state run without the tests.
        const int steadyFrom = 2 + kLag * (n - 1);
        const int steadyTo = x + 2 * n == w ? steadyFrom - 1 : h - 2;
        int t = 0;
        for (; t < steadyFrom; ++t) stepAll(t);
        for (; t <= steadyTo; ++t) {
            Bgr* row = image.row(t) + x;
            // The rows ahead are a stride apart, no stream the hardware prefetcher follows.
            const char* ahead =
                reinterpret_cast<const char*>(image.row(std::min(t + 8, h - 1)) + x);
            for (int b = 0; b < 6 * kPairs + 8; b += 64) _mm_prefetch(ahead + b, _MM_HINT_T0);
            for (int k = 0; k < n; ++k, row += 2 - kLag * s)
                ColumnPairWalk::Middle(row, s, walks[k].m0(), walks[k].m1());
        }
        for (; t <= h + kLag * (n - 1); ++t) stepAll(t);
    }
}
#else
class ColumnMean {
  public:
    void start(const Bgr* a, ptrdiff_t s, bool single) {
        const Bgr* b = single ? a : a + 1;
        b_ = (a->b + a[s].b + b[s].b + b->b) >> 2;
        g_ = (a->g + a[s].g + b[s].g + b->g) >> 2;
        r_ = (a->r + a[s].r + b[s].r + b->r) >> 2;
    }
    void next(const Bgr* a, ptrdiff_t s, bool single) {
        const Bgr na = a[s], nb = single ? a[s] : a[s + 1];
        b_ = (2 * b_ + na.b + nb.b) >> 2;
        g_ = (2 * g_ + na.g + nb.g) >> 2;
        r_ = (2 * r_ + na.r + nb.r) >> 2;
    }
    void store(Bgr* a, bool single) const {
        const Bgr out{static_cast<uint8_t>(b_), static_cast<uint8_t>(g_), static_cast<uint8_t>(r_)};
        a[0] = out;
        if (!single) a[1] = out;
    }

  private:
    int b_ = 0, g_ = 0, r_ = 0;
};
#endif

// The whole blur. Going down column x, block (x, y) reads the mean m just written into row y by
// block (x, y - 1) in both columns, so its mean is (2m + the two pixels of row y + 1) div 4, and
// each row of the two columns ends with the mean of the block starting on it (the last row
// keeps the one before, which the limited last block rewrites unchanged).
void SmoothAll(PixelGrid& image) {
    const int w = image.width();
    const int h = image.height();
    if (h == 1) {
        Bgr* row = image.row(0);
        for (int x = 0; x < w; ++x) {
            Bgr& a = row[x];
            Bgr& b = row[x + 1 < w ? x + 1 : x];
            const Bgr m{static_cast<uint8_t>((a.b + b.b) >> 1),
                        static_cast<uint8_t>((a.g + b.g) >> 1),
                        static_cast<uint8_t>((a.r + b.r) >> 1)};
            a = m;
            b = m;
        }
        return;
    }
    const ptrdiff_t s = image.stride();
    int x = 0;
#if defined(__SSE2__) && !defined(TESSELLA_NO_SIMD)
    SmoothColumnPairs(image);
    x = w - w % 2;
#endif
    for (; x < w; ++x) {
        const bool single = x + 1 == w;
        Bgr* a = image.row(0) + x;
        ColumnMean m;
        m.start(a, s, single);
        m.store(a, single);
        for (int y = 1; y < h; ++y) {
            a += s;
            if (y < h - 1) m.next(a, s, single);
            m.store(a, single);
        }
    }
}

template <class Picture>
void SmoothBorders(Picture& p, int w, int h) {
    for (int x = 0; x < w; ++x) p.average(x, 0);
    for (int x = 0; x < w; ++x) p.average(x, h - 1);
    for (int y = 0; y < h; ++y) p.average(0, y);
    for (int y = 0; y < h; ++y) p.average(w - 1, y);
}

// Moves the mean of the block whose top-left pixel is (x, y) to the block at (x + dx, y + dy);
// blocks wholly inside the picture skip the limits.
class BlockMover {
  public:
    BlockMover(PixelGrid& image, int dx, int dy)
        : image_(image),
          limited_(image),
          w_(image.width()),
          h_(image.height()),
          dx_(dx),
          dy_(dy),
          s_(image.stride()) {}

    void move(int x, int y) {
        const int wx = x + dx_, wy = y + dy_;
        if (x >= 0 && y >= 0 && x + 1 < w_ && y + 1 < h_ && wx >= 0 && wy >= 0 && wx + 1 < w_ &&
            wy + 1 < h_) {
            const Bgr* r = image_.row(y) + x;
            const Bgr a = r[0], b = r[s_], c = r[s_ + 1], d = r[1];
            const Bgr m{static_cast<uint8_t>((a.b + b.b + c.b + d.b) >> 2),
                        static_cast<uint8_t>((a.g + b.g + c.g + d.g) >> 2),
                        static_cast<uint8_t>((a.r + b.r + c.r + d.r) >> 2)};
            Bgr* o = image_.row(wy) + wx;
            o[0] = m;
            o[1] = m;
            o[s_] = m;
            o[s_ + 1] = m;
        } else {
            limited_.fill(wx, wy, limited_.mean(x, y));
        }
    }

  private:
    PixelGrid& image_;
    LimitedPicture limited_;
    int w_, h_, dx_, dy_;
    ptrdiff_t s_;
};

// Walks down from the top-left block; each block's mean goes to the block shifted by dx, dy.
void ShiftDown(PixelGrid& image, int dx, int dy) {
    LimitedPicture p(image);
    SmoothBorders(p, image.width(), image.height());
    BlockMover mover(image, dx, dy);
    for (int y = 0; y < image.height() - 1; y += 2)
        for (int x = 0; x < image.width() - 1; x += 2) mover.move(x, y);
}

// Walks up from the bottom-right block (x, y the block's bottom-right pixel); the first row and
// column of the walk are always done.
void ShiftUp(PixelGrid& image, int dx, int dy) {
    LimitedPicture p(image);
    SmoothBorders(p, image.width(), image.height());
    BlockMover mover(image, dx, dy);
    int y = image.height() - 1;
    do {
        int x = image.width() - 1;
        do {
            mover.move(x - 1, y - 1);
            x -= 2;
        } while (x > 1);
        y -= 2;
    } while (y > 1);
}

// The blur of a picture with an alpha plane, block by block in the same walk orders as the
// opaque one, so that both give the same colours where every texel is opaque.
void BlurWithAlpha(PixelGrid& image, int dx, int dy, bool whole, bool up) {
    const int w = image.width(), h = image.height();
    LimitedAlphaPicture p(image);
    if (whole && h == 1) {
        for (int x = 0; x < w; ++x) p.average(x, 0);
        return;
    }
    if (whole) {
        // Down each column as the opaque walk goes: block (x, y) finds row y of both columns
        // holding the mean just made, and leaves its own in rows y and y + 1 of both; the last
        // row's limited block reads that mean four times and changes nothing. Column x + 1's block
        // y only needs column x's blocks up to y + 2 done, so a group of columns walks down
        // together, each two rows behind the one on its left: the result of walking them one
        // after the other, with the rows they share still in the cache.
        using Texel = LimitedAlphaPicture::Texel;
        constexpr int kColumns = 16, kLag = 2;
        // Each column's last mean, which its next block finds in row y: only row y + 1 is read,
        // and a row is written once, with its final mean (the last row with the one before).
        Texel last[kColumns];
        // The alpha columns of a band of groups (and the next column, which its last one reads
        // and writes) walk in a narrow copy: rows of a 2048-wide plane lie 2 KB apart, and the
        // rows a group reads at once would fall on the same few cache sets. A band is a cache
        // line wide, so that each line of the plane is read and written back once.
        constexpr int kBand = 64;
        constexpr int kBandStride = 72;  // bytes from row to row, not a power of two
        std::vector<uint8_t> bandAlpha(static_cast<size_t>(h) * kBandStride);
        int band0 = 0;
        const auto alphaRow = [&](int y) { return bandAlpha.data() + y * kBandStride - band0; };
        const auto block = [&](int x, int y, Texel& m) {
            const int x1 = x + 1 < w ? x + 1 : x;
            const Bgr* below = image.row(y + 1);
            const uint8_t* belowAlpha = alphaRow(y + 1);
            if (y == 0) {
                const Bgr* top = image.row(0);
                const uint8_t* topAlpha = alphaRow(0);
                m = LimitedAlphaPicture::Mean(top[x], topAlpha[x], top[x1], topAlpha[x1], below[x],
                                              belowAlpha[x], below[x1], belowAlpha[x1]);
            } else {
                m = LimitedAlphaPicture::Mean(m.colour, m.alpha, m.colour, m.alpha, below[x],
                                              belowAlpha[x], below[x1], belowAlpha[x1]);
            }
            for (int row = y; row <= (y == h - 2 ? y + 1 : y); ++row) {
                Bgr* colours = image.row(row);
                uint8_t* alpha = alphaRow(row);
                colours[x] = colours[x1] = m.colour;
                alpha[x] = alpha[x1] = m.alpha;
            }
        };
        static_assert(kBand % kColumns == 0 && kBandStride >= kBand + 2);
        // Step t of the group at x0: column k at row t - 2k.
        const auto groupStep = [&](int x0, int n, int t) {
            // The rows the group reads next are a stride apart, no stream the hardware
            // prefetcher follows: the first column's row eight ahead is asked for.
            const char* ahead =
                reinterpret_cast<const char*>(image.row(std::min(t + 9, h - 1)) + x0);
            // 51 bytes, over two lines at most.
            for (int line = 0; line < 2; ++line) PrefetchLine(ahead + 64 * line);
            const int first = std::max(0, (t - (h - 2) + kLag - 1) / kLag);
            const int end = std::min(n, t / kLag + 1);
            for (int k = first; k < end; ++k) block(x0 + k, t - kLag * k, last[k]);
        };
        for (; band0 < w; band0 += kBand) {
            const auto span = static_cast<size_t>(std::min(kBand + 1, w - band0));
            for (int y = 0; y < h; ++y)
                std::memcpy(bandAlpha.data() + y * kBandStride, image.alphaRow(y) + band0, span);
            for (int x0 = band0; x0 < std::min(w, band0 + kBand); x0 += kColumns) {
                const int n = std::min(kColumns, w - x0);
                int t = 0;
#if defined(__SSE2__) && !defined(TESSELLA_NO_SIMD)
                static_assert(AlphaLanes::kLanes == kColumns);
                // Steps where every column is past its first row and before its last two, none
                // limited at the right edge, go all columns at once.
                const int steadyFrom = 1 + kLag * (kColumns - 1), steadyTo = h - 3;
                if (n == kColumns && x0 + kColumns < w && steadyFrom <= steadyTo) {
                    for (; t < steadyFrom; ++t) groupStep(x0, n, t);
                    AlphaLanes lanes(image.row(0) + x0, image.stride(), alphaRow(0) + x0, last);
                    for (; t <= steadyTo; ++t) {
                        const char* ahead =
                            reinterpret_cast<const char*>(image.row(std::min(t + 9, h - 1)) + x0);
                        PrefetchLine(ahead);
                        PrefetchLine(ahead + 64);
                        lanes.step<kBandStride>(t);
                    }
                    lanes.save(last);
                }
#endif
                for (; t <= h - 2 + kLag * (n - 1); ++t) groupStep(x0, n, t);
            }
            for (int y = 0; y < h; ++y)
                std::memcpy(image.alphaRow(y) + band0, bandAlpha.data() + y * kBandStride, span);
        }
        return;
    }
    SmoothBorders(p, w, h);
    // Blocks wholly inside the picture, and moved inside it, skip the limits.
    const auto move = [&](int x, int y) {
        const int tx = x + dx, ty = y + dy;
        if (x < 0 || y < 0 || x + 1 >= w || y + 1 >= h || tx < 0 || ty < 0 || tx + 1 >= w ||
            ty + 1 >= h)
            return p.fill(tx, ty, p.mean(x, y));
        const Bgr* top = image.row(y) + x;
        const Bgr* bottom = image.row(y + 1) + x;
        const uint8_t* topAlpha = image.alphaRow(y) + x;
        const uint8_t* bottomAlpha = image.alphaRow(y + 1) + x;
        const Bgr* colours[4] = {top, bottom, bottom + 1, top + 1};
        const unsigned alphas[4] = {topAlpha[0], bottomAlpha[0], bottomAlpha[1], topAlpha[1]};
        const LimitedAlphaPicture::Texel m = LimitedAlphaPicture::MeanOf(colours, alphas);
        for (int row : {ty, ty + 1}) {
            image.row(row)[tx] = image.row(row)[tx + 1] = m.colour;
            image.alphaRow(row)[tx] = image.alphaRow(row)[tx + 1] = m.alpha;
        }
    };
    if (!up) {
        for (int y = 0; y < h - 1; y += 2)
            for (int x = 0; x < w - 1; x += 2) move(x, y);
        return;
    }
    int y = h - 1;
    do {
        int x = w - 1;
        do {
            move(x - 1, y - 1);
            x -= 2;
        } while (x > 1);
        y -= 2;
    } while (y > 1);
}

}  // namespace

BlurVariant BlurVariantFromIndex(int index) {
    using enum BlurVariant;
    static constexpr BlurVariant kByIndex[] = {
        Whole, Right, Down, DownRight, DownOneLeftTwo, Left, Up, UpLeft, UpOneRightTwo,
    };
    if (index < 0 || index >= static_cast<int>(std::size(kByIndex)))
        throw platform::TessellaError(platform::kRangeMessage);
    return kByIndex[index];
}

void Blur(PixelGrid& picture, BlurVariant variant) {
    if (picture.width() <= 0 || picture.height() <= 0) return;
    if (picture.hasAlpha()) {
        struct Walk {
            int dx, dy;
            bool whole, up;
        };
        static constexpr Walk kWalks[] = {
            {0, 0, true, false},  {1, 0, false, false},  {0, 1, false, false},
            {1, 1, false, false}, {-2, 1, false, false}, {-1, 0, false, true},
            {0, -1, false, true}, {-1, -1, false, true}, {2, -1, false, true},
        };
        const Walk& walk = kWalks[static_cast<int>(variant)];
        BlurWithAlpha(picture, walk.dx, walk.dy, walk.whole, walk.up);
        return;
    }
    switch (variant) {
        case BlurVariant::Whole:
            SmoothAll(picture);
            break;
        case BlurVariant::Right:
            ShiftDown(picture, 1, 0);
            break;
        case BlurVariant::Down:
            ShiftDown(picture, 0, 1);
            break;
        case BlurVariant::DownRight:
            ShiftDown(picture, 1, 1);
            break;
        case BlurVariant::DownOneLeftTwo:
            ShiftDown(picture, -2, 1);
            break;
        case BlurVariant::Left:
            ShiftUp(picture, -1, 0);
            break;
        case BlurVariant::Up:
            ShiftUp(picture, 0, -1);
            break;
        case BlurVariant::UpLeft:
            ShiftUp(picture, -1, -1);
            break;
        case BlurVariant::UpOneRightTwo:
            ShiftUp(picture, 2, -1);
            break;
    }
}

}  // namespace tessella::pixels
