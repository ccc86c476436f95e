#include "editor/Resize.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;

// Row of w pixels whose blue byte is the column number.
Rows Columns(int w) {
    Rows rows(1, std::vector<Bgr>(w));
    for (int x = 0; x < w; ++x) rows[0][x] = Bgr{static_cast<uint8_t>(x), 0, 0};
    return rows;
}

std::vector<int> SampledColumns(const pixels::PixelGrid& image) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) columns.push_back(image.at(x, 0).b);
    return columns;
}

TEST(Resize, SamplesTheCentreOfEachFootprint) {
    struct Case {
        int from, to;
        std::vector<int> columns;
    };
    const Case cases[] = {
        {8, 4, {1, 3, 5, 7}},
        {3, 2, {0, 2}},     // (x + 0.5) x 3 / 2: 0.75 and 2.25
        {2, 3, {0, 1, 1}},  // (x + 0.5) x 2 / 3: 0.33, 1, 1.67
    };
    for (const Case& c : cases) {
        auto work = Working(Columns(c.from));
        ResizeNearest(work, c.to, 1);
        EXPECT_EQ(SampledColumns(work.image()), c.columns) << c.from << " -> " << c.to;
    }
}

TEST(Resize, BadSizesAreRefusedAndChangeNothing) {
    const Rows original = Numbered(4, 3);
    const std::pair<int, int> sizes[] = {{0, 3}, {40000, 40000}};
    for (auto [w, h] : sizes) {
        auto work = Working(original);
        try {
            ResizeNearest(work, w, h);
            ADD_FAILURE() << w << " x " << h << " accepted";
        } catch (const platform::TessellaError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Redimensionnement"))) << e.what();
        }
        EXPECT_EQ(RowsOf(work.image()), original);
    }
}

}  // namespace
}  // namespace tessella::editor
