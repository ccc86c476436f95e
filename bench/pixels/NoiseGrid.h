#pragma once
// A side x side working array of pseudo-random pixels, the same for a given seed.

#include <cstdint>

#include "pixels/PixelGrid.h"

namespace tessella::bench {

inline pixels::PixelGrid NoiseGrid(int side, uint32_t seed) {
    pixels::PixelGrid picture(side, side);
    uint32_t state = seed;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            state = state * 1664525u + 1013904223u;
            picture.at(x, y) = {uint8_t(state >> 24), uint8_t(state >> 16), uint8_t(state >> 8)};
        }
    return picture;
}

}  // namespace tessella::bench
