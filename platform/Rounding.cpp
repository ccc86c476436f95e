#include "platform/Rounding.h"

#include <cmath>

#include "platform/Error.h"

namespace tessella::platform {

int32_t RoundHalfEven(double v) {
    if (!(v > -2147483648.5 && v < 2147483647.5)) throw TessellaError(kOverflowMessage);
    double whole = std::floor(v);
    double fraction = v - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<int32_t>(whole);
}

}  // namespace tessella::platform
