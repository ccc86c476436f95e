#pragma once
// Per-pixel and neighbourhood filters on the working array; none changes its size.

#include "pixels/Traite.h"
#include "platform/ColourValue.h"

namespace tessella::editor {

// 0 = swap red and blue, 1 = swap green and blue, 2 = swap red and green,
// 3 = grey ((R + G + B) div 3 in every channel), 4 = negative; other values do nothing.
void ChannelOperation(pixels::Traite& work, int operation);
// Both channels of a pair take their mean (truncated): 0 = red and blue, 1 = green and blue,
// 2 = red and green; other values do nothing.
void FuseChannels(pixels::Traite& work, int operation);
// Adds the colour to every pixel, each channel saturating at 255.
void AddVeil(pixels::Traite& work, platform::ColourValue colour);
// 1 = sharpen, 0 = soften, other values do nothing. Each pixel inside the one-pixel frame is
// scaled by its brightness against its 3 x 3 neighbourhood (read from the unchanged picture),
// rounded to nearest with exact ties to even; a picture under 3 x 3 is left unchanged.
void SharpenSoften(pixels::Traite& work, int mode);

}  // namespace tessella::editor
