#include "editor/LitSurface.h"

#include <algorithm>
#include <cmath>

#include "editor/RowBands.h"

namespace tessella::editor {

namespace {

// What one painted row needs that is the same across it.
struct RowLight {
    float y;  // from the row's centres to the light
    float height;
    float ambient;
    float diffuse;
};

// One painted row: element pixel columns[px] of the element row that starts at texel first,
// lightX[px] from the pixel's centre to the light across.
TESSELLA_PIXEL_LOOP void LightRow(const float* normalX, const float* normalY, const float* normalZ,
                                  const uint32_t* colours, const int* columns, const float* lightX,
                                  RowLight light, uint32_t* out, int w) {
    const float lyy = light.y * light.y + light.height * light.height;
    for (int px = 0; px < w; ++px) {
        const int i = columns[px];
        const float lx = lightX[px];
        const float facing = (normalX[i] * lx + normalY[i] * light.y + normalZ[i] * light.height) /
                             std::sqrt(lx * lx + lyy);
        // At most 1 but for rounding, so no channel passes 255.
        const float shade = std::min(light.ambient + light.diffuse * std::max(facing, 0.0f), 1.0f);
        const uint32_t c = colours[i];
        const int red = static_cast<int>(static_cast<float>(c >> 16) * shade + 0.5f);
        const int green = static_cast<int>(static_cast<float>((c >> 8) & 255) * shade + 0.5f);
        const int blue = static_cast<int>(static_cast<float>(c & 255) * shade + 0.5f);
        out[px] = 0xff000000u | static_cast<uint32_t>(red << 16 | green << 8 | blue);
    }
}

}  // namespace

LitSurface::LitSurface(const pixels::PixelGrid& colours, const pixels::PixelGrid& normals)
    : width_(colours.width()), height_(colours.height()) {
    if (colours.empty()) return;
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    normalX_.resize(count);
    normalY_.resize(count);
    normalZ_.resize(count);
    colours_.resize(count);
    std::size_t i = 0;
    for (int y = 0; y < height_; ++y) {
        const pixels::Bgr* c = colours.row(y);
        const pixels::Bgr* n = normals.row(y);
        for (int x = 0; x < width_; ++x, ++i) {
            // Stored green points up the picture: the picture's y runs the other way.
            const float nx = n[x].r / 127.5f - 1, ny = 1 - n[x].g / 127.5f,
                        nz = n[x].b / 127.5f - 1;
            const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
            const float inverse = length > 0 ? 1 / length : 0;
            normalX_[i] = nx * inverse;
            normalY_[i] = ny * inverse;
            normalZ_[i] = nz * inverse;
            colours_[i] = uint32_t{c[x].r} << 16 | uint32_t{c[x].g} << 8 | c[x].b;
        }
    }
}

void LitSurface::paint(uint8_t* first, std::ptrdiff_t bytesPerLine, int w, int h, double scale,
                       const PointLight& light) const {
    if (empty() || w <= 0 || h <= 0) return;
    // Which element column and row each painted one shows.
    const auto elementIndex = [scale](int p, int side) {
        const auto i = static_cast<long long>(std::floor((p + 0.5) / scale));
        return static_cast<int>(((i % side) + side) % side);
    };
    std::vector<int> columns(static_cast<std::size_t>(w));
    std::vector<float> lightX(static_cast<std::size_t>(w));
    for (int px = 0; px < w; ++px) {
        columns[px] = elementIndex(px, width_);
        lightX[px] = static_cast<float>(light.x - (px + 0.5));
    }
    const auto ambient = static_cast<float>(std::clamp(light.ambient, 0.0, 1.0));
    const std::vector<int> cuts = BandCuts(h, static_cast<std::size_t>(w) * h);
    RunBands(static_cast<int>(cuts.size()) - 1, [&](int band) {
        for (int py = cuts[band]; py < cuts[band + 1]; ++py) {
            const std::size_t row = static_cast<std::size_t>(elementIndex(py, height_)) *
                                    static_cast<std::size_t>(width_);
            const RowLight rowLight{static_cast<float>(light.y - (py + 0.5)),
                                    static_cast<float>(light.height), ambient, 1 - ambient};
            LightRow(normalX_.data() + row, normalY_.data() + row, normalZ_.data() + row,
                     colours_.data() + row, columns.data(), lightX.data(), rowLight,
                     reinterpret_cast<uint32_t*>(first + py * bytesPerLine), w);
        }
    });
}

}  // namespace tessella::editor
