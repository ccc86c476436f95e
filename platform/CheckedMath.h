#pragma once
// Size and position arithmetic in 32-bit signed integers: overflow is an error, never a wrap.

#include <cstdint>

namespace tessella::platform {

// Each throws TessellaError(kOverflowMessage) when the result does not fit 32 bits.
int32_t CheckedAdd(int32_t a, int32_t b);
int32_t CheckedSub(int32_t a, int32_t b);
int32_t CheckedMul(int32_t a, int32_t b);
// Truncates toward zero; throws kDivisionByZeroMessage on b == 0 and overflow on INT32_MIN / -1.
int32_t CheckedDiv(int32_t a, int32_t b);
// Narrows a 64-bit value, throwing on overflow.
int32_t CheckedNarrow(int64_t v);

}  // namespace tessella::platform
