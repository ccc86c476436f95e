#pragma once
// Small pictures written as rows of pixels, for the editor's tests.

#include <initializer_list>
#include <random>
#include <vector>

#include "pixels/WorkingPicture.h"

namespace tessella::editor::test {

using pixels::Bgr;
using Rows = std::vector<std::vector<Bgr>>;

// Distinct pixels to follow through the geometry.
inline constexpr Bgr A{1, 2, 3}, B{4, 5, 6}, C{7, 8, 9}, D{10, 11, 12}, E{13, 14, 15},
    F{16, 17, 18};

inline Bgr Grey(uint8_t v) {
    return Bgr{v, v, v};
}

// A working array holding the rows (all of the same length); the spare cells are filled with
// a marker so that an operation reading them would show.
inline pixels::WorkingPicture Working(const Rows& rows) {
    pixels::WorkingPicture work;
    const int h = static_cast<int>(rows.size());
    const int w = h ? static_cast<int>(rows[0].size()) : 0;
    work.image().resize(w, h);
    for (int y = 0; y <= h; ++y)
        for (int x = 0; x < work.image().stride(); ++x) work.image().row(y)[x] = Bgr{99, 98, 97};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) work.image().at(x, y) = rows[y][x];
    return work;
}

// fn with one fixed choice, to list operations in a table.
template <auto fn, auto choice>
inline constexpr auto With = [](pixels::WorkingPicture& work) { fn(work, choice); };

inline Rows Flat(int w, int h, Bgr pixel) {
    return Rows(h, std::vector<Bgr>(w, pixel));
}

inline Rows RowsOf(const pixels::PixelGrid& image) {
    Rows rows(image.height(), std::vector<Bgr>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) rows[y][x] = image.at(x, y);
    return rows;
}

// A picture whose every pixel differs, w x h.
inline Rows Numbered(int w, int h) {
    Rows rows(h, std::vector<Bgr>(w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rows[y][x] = Bgr{static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                             static_cast<uint8_t>(x * 7 + y * 13)};
    return rows;
}

// w x h pseudo-random pixels, the same for a given seed.
inline Rows Noisy(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    Rows rows(h, std::vector<Bgr>(w));
    for (auto& row : rows)
        for (Bgr& p : row) {
            const auto v = random();
            p = Bgr{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16)};
        }
    return rows;
}

}  // namespace tessella::editor::test
