#pragma once
// The layout of a BC4 block (the alpha half of BC3, each half of BC5): two end values, then a
// 3-bit index a texel, texel t at bits 3t of the six bytes that follow.

#include <array>
#include <cstdint>

namespace tessella::imagefile {

// The eight values the indices pick: 6 steps between the ends when the first is larger, else 4
// steps, then 0 and 255.
inline std::array<int, 8> Bc4Palette(const uint8_t* block) {
    const int a = block[0], b = block[1];
    std::array<int, 8> values{a, b};
    if (a > b) {
        for (int i = 1; i < 7; ++i) values[i + 1] = ((7 - i) * a + i * b + 3) / 7;
    } else {
        for (int i = 1; i < 5; ++i) values[i + 1] = ((5 - i) * a + i * b + 2) / 5;
        values[6] = 0, values[7] = 255;
    }
    return values;
}

// The 48 bits of indices, texel t at bits 3t.
inline uint64_t Bc4Indices(const uint8_t* block) {
    uint64_t indices = 0;
    for (int i = 0; i < 6; ++i) indices |= uint64_t(block[2 + i]) << (8 * i);
    return indices;
}

}  // namespace tessella::imagefile
