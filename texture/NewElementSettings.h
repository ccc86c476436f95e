#pragma once
// The values NewElementDialog offers for a new blank element; they last for the whole run.

#include <cstdint>

#include "platform/ColourValue.h"

namespace tessella::texture {

struct NewElementSettings {
    int32_t elementWidth = 32;  // 8..128 in steps of 8
    int32_t elementHeight = 32;
    platform::ColourValue backgroundColour = platform::kWhite;
};

}  // namespace tessella::texture
