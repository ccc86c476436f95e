#pragma once
// R(v): the nearest integer, ties to even. The only rounding helper of the program.

#include <cmath>
#include <cstdint>

namespace tessella::platform {

// Throws TessellaError(kOverflowMessage) when the result does not fit 32 bits (or v is NaN).
int32_t RoundHalfEven(double v);

// R(v) for a v already limited to 0..255, for per-pixel loops: no range check, the processor's
// own rounding to nearest, whose ties go to even.
inline uint8_t RoundByteHalfEven(double v) {
    return static_cast<uint8_t>(std::rint(v));
}

}  // namespace tessella::platform
