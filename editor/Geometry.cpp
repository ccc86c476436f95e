#include "editor/Geometry.h"

#include <algorithm>
#include <cstring>

#include "platform/CheckedMath.h"
#include "platform/ImageLimits.h"

namespace tessella::editor {

using pixels::Bgr;
using pixels::TabImage;

namespace {

// Rotation works in square tiles so that both the reads and the writes stay in cache.
constexpr int kTile = 32;

void CheckDoubled(int width, int height, int wFactor, int hFactor) {
    platform::CheckImageSize(platform::CheckedMul(width, wFactor),
                             platform::CheckedMul(height, hFactor), QStringLiteral("Doublement"));
}

size_t RowBytes(int width) {
    return static_cast<size_t>(width) * sizeof(Bgr);
}

}  // namespace

void RotateQuarter(pixels::Traite& work, int direction) {
    if (direction != 1 && direction != 2) return;
    const TabImage& src = work.image();
    const int w = src.width(), h = src.height();
    TabImage& dst = work.scratch();
    dst.reshape(h, w);
    for (int ty = 0; ty < w; ty += kTile) {
        const int tyEnd = std::min(ty + kTile, w);
        for (int tx = 0; tx < h; tx += kTile) {
            const int txEnd = std::min(tx + kTile, h);
            for (int y = ty; y < tyEnd; ++y) {
                Bgr* out = dst.row(y);
                // Clockwise: target (y, x) is source (h-1-x, y); counter-clockwise: (x, w-1-y).
                if (direction == 2) {
                    for (int x = tx; x < txEnd; ++x) out[x] = src.row(h - 1 - x)[y];
                } else {
                    const int sx = w - 1 - y;
                    for (int x = tx; x < txEnd; ++x) out[x] = src.row(x)[sx];
                }
            }
        }
    }
    work.adoptScratch();
}

void MirrorHorizontal(pixels::Traite& work) {
    TabImage& image = work.image();
    for (int y = 0; y < image.height(); ++y)
        std::reverse(image.row(y), image.row(y) + image.width());
}

void FlipVertical(pixels::Traite& work) {
    TabImage& image = work.image();
    const size_t bytes = RowBytes(image.width());
    for (int top = 0, bottom = image.height() - 1; top < bottom; ++top, --bottom) {
        auto* a = reinterpret_cast<uint8_t*>(image.row(top));
        auto* b = reinterpret_cast<uint8_t*>(image.row(bottom));
        std::swap_ranges(a, a + bytes, b);
    }
}

void MakeSymmetric(pixels::Traite& work, int faces) {
    if (faces != 2 && faces != 4) return;
    const TabImage& src = work.image();
    const int w = src.width(), h = src.height();
    if (src.empty()) return;
    const int hFactor = faces == 4 ? 2 : 1;
    CheckDoubled(w, h, 2, hFactor);
    TabImage& dst = work.scratch();
    dst.reshape(2 * w, h * hFactor);
    for (int y = 0; y < h; ++y) {
        const Bgr* in = src.row(y);
        Bgr* out = dst.row(y);
        std::memcpy(out, in, RowBytes(w));
        std::reverse_copy(in, in + w, out + w);
    }
    if (faces == 4)
        for (int y = 0; y < h; ++y)
            std::memcpy(dst.row(2 * h - 1 - y), dst.row(y), RowBytes(2 * w));
    work.adoptScratch();
}

void DoubleTile(pixels::Traite& work, int direction) {
    if (direction != 1 && direction != 2) return;
    const TabImage& src = work.image();
    const int w = src.width(), h = src.height();
    if (src.empty()) return;
    const bool wide = direction == 1;
    CheckDoubled(w, h, wide ? 2 : 1, wide ? 1 : 2);
    TabImage& dst = work.scratch();
    dst.reshape(wide ? 2 * w : w, wide ? h : 2 * h);
    for (int y = 0; y < h; ++y) {
        std::memcpy(dst.row(y), src.row(y), RowBytes(w));
        if (wide)
            std::memcpy(dst.row(y) + w, src.row(y), RowBytes(w));
        else
            std::memcpy(dst.row(h + y), src.row(y), RowBytes(w));
    }
    work.adoptScratch();
}

}  // namespace tessella::editor
