#pragma once
// R(v): the nearest integer, ties to even. The only rounding helper of the program.

#include <cstdint>

namespace tessella::platform {

// Throws TessellaError(kOverflowMessage) when the result does not fit 32 bits (or v is NaN).
int32_t RoundHalfEven(double v);

}  // namespace tessella::platform
