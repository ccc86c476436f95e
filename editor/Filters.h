#pragma once
// Per-pixel and neighbourhood filters on the working array; none changes its size. The
// per-pixel ones change colours only and leave the alpha plane as it is.

#include "pixels/WorkingPicture.h"
#include "platform/ColourValue.h"

namespace tessella::editor {

// Grey puts (R + G + B) div 3 in every channel.
enum class ChannelOperation { SwapRedBlue, SwapGreenBlue, SwapRedGreen, Grey, Negative };
void ApplyChannelOperation(pixels::WorkingPicture& work, ChannelOperation operation);

enum class ChannelPair { RedBlue, GreenBlue, RedGreen };
// Both channels of the pair take their mean (truncated).
void FuseChannels(pixels::WorkingPicture& work, ChannelPair pair);

// Adds the colour to every pixel, each channel saturating at 255.
void AddVeil(pixels::WorkingPicture& work, platform::ColourValue colour);

enum class Sharpness { Sharpen, Soften };
// Each pixel inside the one-pixel frame is scaled by its brightness against its 3 x 3
// neighbourhood (read from the unchanged picture), rounded to nearest with exact ties to even;
// a picture under 3 x 3 is left unchanged. With an alpha plane the neighbourhood is weighted
// by alpha (a transparent neighbour lends no brightness); the plane is left as it is.
void SharpenSoften(pixels::WorkingPicture& work, Sharpness sharpness);

}  // namespace tessella::editor
