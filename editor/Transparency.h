#pragma once
// The two operations made for engines that read transparency: a colour key that turns one
// colour transparent (old pages mark their empty space with magenta), and flattening the
// picture over a background colour for engines that want no alpha.

#include "pixels/WorkingPicture.h"
#include "platform/ColourValue.h"

namespace tessella::editor {

inline constexpr int kMaxKeyTolerance = 255;

// Every texel whose largest channel difference from key is at most tolerance (0..255) becomes
// fully transparent; its colour is kept. The others keep their alpha. An opaque picture in
// which no texel matches stays opaque (no plane).
void MakeColourTransparent(pixels::WorkingPicture& work, platform::ColourValue key, int tolerance);

// Each channel becomes c x a / 255 + B x (1 - a / 255) rounded to nearest, on the stored values
// (the exact value is never a half), and the plane goes. An opaque picture is left as it is.
void FlattenOnto(pixels::WorkingPicture& work, platform::ColourValue background);

}  // namespace tessella::editor
