#include "platform/CheckedMath.h"

#include <limits>

#include "platform/Error.h"

namespace tessella::platform {

int32_t CheckedNarrow(int64_t v) {
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        throw TessellaError(kOverflowMessage);
    return static_cast<int32_t>(v);
}

int32_t CheckedAdd(int32_t a, int32_t b) {
    return CheckedNarrow(int64_t{a} + b);
}
int32_t CheckedSub(int32_t a, int32_t b) {
    return CheckedNarrow(int64_t{a} - b);
}
int32_t CheckedMul(int32_t a, int32_t b) {
    return CheckedNarrow(int64_t{a} * b);
}

int32_t CheckedDiv(int32_t a, int32_t b) {
    if (b == 0) throw TessellaError(kDivisionByZeroMessage);
    return CheckedNarrow(int64_t{a} / b);
}

}  // namespace tessella::platform
