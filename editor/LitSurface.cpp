#include "editor/LitSurface.h"

#include <algorithm>
#include <cmath>

#include "editor/RowBands.h"

namespace tessella::editor {

LitSurface::LitSurface(const pixels::PixelGrid& colours, const pixels::PixelGrid& normals)
    : width_(colours.width()), height_(colours.height()) {
    if (colours.empty()) return;
    texels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    Texel* out = texels_.data();
    for (int y = 0; y < height_; ++y) {
        const pixels::Bgr* c = colours.row(y);
        const pixels::Bgr* n = normals.row(y);
        for (int x = 0; x < width_; ++x) {
            // Stored green points up the picture: the picture's y runs the other way.
            const float nx = n[x].r / 127.5f - 1, ny = 1 - n[x].g / 127.5f,
                        nz = n[x].b / 127.5f - 1;
            const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
            const float inverse = length > 0 ? 1 / length : 0;
            *out++ = Texel{nx * inverse, ny * inverse, nz * inverse, c[x].r, c[x].g, c[x].b, 0};
        }
    }
}

void LitSurface::paint(uint8_t* first, std::ptrdiff_t bytesPerLine, int w, int h, double scale,
                       const PointLight& light) const {
    if (empty() || w <= 0 || h <= 0) return;
    // Which element column and row each painted one shows.
    std::vector<int> columns(static_cast<std::size_t>(w)), rows(static_cast<std::size_t>(h));
    const auto elementIndex = [scale](int p, int side) {
        const auto i = static_cast<long long>(std::floor((p + 0.5) / scale));
        return static_cast<int>(((i % side) + side) % side);
    };
    for (int px = 0; px < w; ++px) columns[px] = elementIndex(px, width_);
    for (int py = 0; py < h; ++py) rows[py] = elementIndex(py, height_);

    const float ambient = static_cast<float>(std::clamp(light.ambient, 0.0, 1.0));
    const float diffuse = 1 - ambient;
    const auto lz = static_cast<float>(light.height);
    const std::vector<int> cuts = BandCuts(h, static_cast<std::size_t>(w) * h * 4);
    RunBands(static_cast<int>(cuts.size()) - 1, [&](int band) {
        for (int py = cuts[band]; py < cuts[band + 1]; ++py) {
            const Texel* row = texels_.data() + static_cast<std::size_t>(rows[py]) * width_;
            const auto ly = static_cast<float>(light.y - (py + 0.5));
            auto* out = reinterpret_cast<uint32_t*>(first + py * bytesPerLine);
            for (int px = 0; px < w; ++px) {
                const Texel& t = row[columns[px]];
                const auto lx = static_cast<float>(light.x - (px + 0.5));
                const float facing =
                    (t.x * lx + t.y * ly + t.z * lz) / std::sqrt(lx * lx + ly * ly + lz * lz);
                // At most 1 but for rounding, so no channel passes 255.
                const float shade = std::min(ambient + diffuse * std::max(facing, 0.0f), 1.0f);
                out[px] = 0xff000000u | static_cast<uint32_t>(t.red * shade + 0.5f) << 16 |
                          static_cast<uint32_t>(t.green * shade + 0.5f) << 8 |
                          static_cast<uint32_t>(t.blue * shade + 0.5f);
            }
        }
    });
}

}  // namespace tessella::editor
