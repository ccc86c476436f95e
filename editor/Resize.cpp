#include "editor/Resize.h"

#include <cstring>
#include <vector>

#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/Text.h"

namespace tessella::editor {

using pixels::Bgr;
using pixels::PixelGrid;

namespace {

constexpr platform::Text kResizeWhat{QT_TRANSLATE_NOOP("Tessella", "Redimensionnement")};
constexpr platform::Text kResizeNoPicture{
    QT_TRANSLATE_NOOP("Tessella", "Redimensionnement : aucune image")};

// floor((i + 0.5) * from / to), exactly, in 64 bits.
int SourceIndex(int i, int from, int to) {
    return static_cast<int>((2 * int64_t{i} + 1) * from / (2 * int64_t{to}));
}

}  // namespace

void ResizeNearest(pixels::WorkingPicture& work, int newWidth, int newHeight) {
    platform::CheckImageSize(newWidth, newHeight, kResizeWhat);
    const PixelGrid& src = work.image();
    if (src.empty()) throw platform::TessellaError(kResizeNoPicture);
    const int w = src.width(), h = src.height();
    std::vector<int> columns(static_cast<size_t>(newWidth));
    for (int x = 0; x < newWidth; ++x) columns[x] = SourceIndex(x, w, newWidth);
    PixelGrid& dst = work.scratch();
    dst.reshape(newWidth, newHeight);
    const size_t rowBytes = static_cast<size_t>(newWidth) * sizeof(Bgr);
    int previous = -1;
    for (int y = 0; y < newHeight; ++y) {
        const int sy = SourceIndex(y, h, newHeight);
        Bgr* out = dst.row(y);
        if (sy == previous) {
            std::memcpy(out, dst.row(y - 1), rowBytes);
        } else if (newWidth == w) {
            std::memcpy(out, src.row(sy), rowBytes);
        } else {
            const Bgr* in = src.row(sy);
            for (int x = 0; x < newWidth; ++x) out[x] = in[columns[x]];
        }
        previous = sy;
    }
    if (src.hasAlpha()) {
        // The plane is sampled under the same centres as the colours.
        dst.addAlpha();
        for (int y = 0; y < newHeight; ++y) {
            const uint8_t* in = src.alphaRow(SourceIndex(y, h, newHeight));
            uint8_t* out = dst.alphaRow(y);
            for (int x = 0; x < newWidth; ++x) out[x] = in[columns[x]];
        }
    }
    work.adoptScratch();
}

}  // namespace tessella::editor
