#pragma once
// The colour adjustment window's three operations with the settings it leaves, and its reduced
// preview: the element fitted into 160 x 160 by nearest-neighbour sampling.

#include <QImage>
#include <QSize>

#include "pixels/ColourOperations.h"
#include "pixels/PixelGrid.h"

namespace tessella::pixels {

enum class ColourAdjustment { Rgb, Contrast, Emboss };
enum class EmbossBackground { None, Coloured, Textured };

// What the window leaves for the editor, kept for the whole run.
struct ColourAdjustSettings {
    int redPercent = 100;  // 0..200
    int greenPercent = 100;
    int bluePercent = 100;
    RgbDirection direction = RgbDirection::Uniform;
    int contrastAmount = 0;  // -200..200
    EmbossBackground background = EmbossBackground::None;
    platform::ColourValue backgroundColour{};
    // As the emboss runs: the background colour only with EmbossBackground::Coloured, textured
    // only with EmbossBackground::Textured.
    EmbossSettings emboss;
};

// The emboss settings that background, colour and the window's other emboss settings give.
EmbossSettings EmbossSettingsFor(EmbossSettings settings, EmbossBackground background,
                                 platform::ColourValue colour);

// Runs adjustment on width x height pixels of source into destination (they may be the same
// array), with the contrast about 127.
void ApplyColourAdjustment(ColourAdjustment adjustment, const ColourAdjustSettings& settings,
                           const QImage& texture, const PixelGrid& source, PixelGrid& destination,
                           int width, int height);

inline constexpr int kPreviewSide = 160;

// A picture wider or taller than 160 is scaled by its larger side / 160, each side rounded
// half to even; a side is never rounded away to 0. Smaller pictures keep their size.
QSize PreviewSize(int width, int height);

// preview becomes PreviewSize of picture, each preview pixel taking the picture pixel under
// its centre (an unscaled preview equals the picture).
void SamplePreview(const PixelGrid& picture, PixelGrid& preview);

// The preview is shown a multiple of 8 columns wide (rounded down); a preview narrower than 8
// is shown whole.
int ShownPreviewColumns(int previewWidth);

// The emboss computes every row but the last; a one-row picture keeps its row.
int EmbossedRows(int height);

// The top-left columns x rows of preview as a 24-bit picture.
QImage PreviewPicture(const PixelGrid& preview, int columns, int rows);

// Where a box of `size` starts in a panel of `panel` along one side: centred when it fits with
// a margin, else 2 from the edge.
int PreviewOffset(int panel, int size);

}  // namespace tessella::pixels
