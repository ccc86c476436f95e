#pragma once
// Byte moves within rows of 3-byte pixels, five pixels per 16-byte shuffle where the processor
// has one (SSSE3), pixel by pixel elsewhere. Rows must have at least one spare byte after
// their last pixel (every PixelGrid row has): it is read and written back unchanged.

#include <array>
#include <cstddef>
#include <cstdint>

namespace tessella::editor {

// order[k] is the byte of the same pixel that lands at byte k (identity: {0, 1, 2}).
using PixelOrder = std::array<uint8_t, 3>;

// Rearranges the bytes of every pixel of height rows of width pixels, stride bytes apart.
void PermutePixels(uint8_t* first, ptrdiff_t stride, int width, int height, PixelOrder order);
// The same rows: every byte becomes (itself + the byte that order brings to it) div 2.
void MeanWithPermutedPixels(uint8_t* first, ptrdiff_t stride, int width, int height,
                            PixelOrder order);
// out's pixels are in's in reverse order; the two rows are distinct, and out too needs a spare
// byte (it may be overwritten).
void ReverseRow(const uint8_t* in, uint8_t* out, int pixels);
// out's count bytes are in's in reverse order (an alpha row mirrored); the two are distinct.
void ReverseBytes(const uint8_t* in, uint8_t* out, int count);

}  // namespace tessella::editor
