#include "pixels/WorkingPicture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>

#include "platform/Error.h"

namespace tessella::pixels {
namespace {

constexpr Bgr kRed{0, 0, 255}, kYellow{0, 255, 255}, kBlack{0, 0, 0};

Bgr Grey(uint8_t v) {
    return {v, v, v};
}

using Rows = std::vector<std::vector<Bgr>>;

// A w x h bitmap whose pixels, row by row, are the raw values (indices, 16 or 32-bit words).
QImage Bitmap(QImage::Format format, int w, int h, const std::vector<uint32_t>& values,
              const QList<QRgb>& table = {}) {
    QImage bitmap(w, h, format);
    if (!table.isEmpty()) bitmap.setColorTable(table);
    for (int i = 0; i < w * h; ++i) {
        const int x = i % w, y = i / w;
        uchar* line = bitmap.scanLine(y);
        if (bitmap.depth() == 1) bitmap.setPixel(x, y, values[i]);
        if (bitmap.depth() == 8) line[x] = static_cast<uchar>(values[i]);
        if (bitmap.depth() == 16) reinterpret_cast<uint16_t*>(line)[x] = uint16_t(values[i]);
        if (bitmap.depth() == 32) reinterpret_cast<uint32_t*>(line)[x] = values[i];
    }
    return bitmap;
}

TEST(WorkingPicture, EveryDepthLoadsAsItsColours) {
    const QImage::Format f555 = QImage::Format_RGB555, f565 = QImage::Format_RGB16;
    const Bgr r = kRed, y = kYellow, t{3, 2, 1};
    const struct {
        const char* name;
        QImage bitmap;
        Rows expected;
    } cases[] = {
        // clang-format off
        // 5-5-5: each channel times 8, the top bit ignored.
        {"555 red", Bitmap(f555, 3, 1, {0, 0x7C00, 0}), {{kBlack, {0, 0, 248}, kBlack}}},
        {"555 top bit", Bitmap(f555, 3, 1, {0, 0x8000, 0}), {{kBlack, kBlack, kBlack}}},
        // 5-6-5: red and blue times 8, green times 4.
        {"565 white", Bitmap(f565, 3, 1, {0, 0xFFFF, 0}), {{kBlack, {248, 252, 248}, kBlack}}},
        // Index 7 has no entry: black.
        {"8 bits", Bitmap(QImage::Format_Indexed8, 3, 2, {0, 1, 0, 1, 7, 0}, {qRgb(255, 0, 0), qRgb(1, 2, 3)}),
         {{r, t, r}, {t, kBlack, r}}},
        // Nine pixels: the ninth sits in the second byte of the row.
        {"1 bit", Bitmap(QImage::Format_Mono, 9, 2, {0, 1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0},
                         {qRgb(255, 0, 0), qRgb(255, 255, 0)}),
         {{r, y, r, r, r, r, r, r, y}, {y, r, r, r, r, r, r, r, r}}},
        // 32 bits drop the fourth byte.
        {"32 bits", Bitmap(QImage::Format_RGB32, 2, 1, {0x80102030, 0x00FFFFFF}), {{{0x30, 0x20, 0x10}, Grey(255)}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage bitmap = c.bitmap;
        WorkingPicture work;
        work.load(bitmap);
        Rows loaded(work.height(), std::vector<Bgr>(work.width()));
        for (int yy = 0; yy < work.height(); ++yy)
            for (int x = 0; x < work.width(); ++x) loaded[yy][x] = work.image().at(x, yy);
        EXPECT_EQ(loaded, c.expected);
        // The bitmap is now 24 bits and agrees with the array.
        ASSERT_EQ(bitmap.format(), QImage::Format_BGR888);
        for (int yy = 0; yy < bitmap.height(); ++yy)
            EXPECT_EQ(std::memcmp(bitmap.constScanLine(yy), loaded[yy].data(), 3 * bitmap.width()),
                      0);
    }
}

// Rows of 15 bytes padded to 16 go in and come back whole; other copies of the bitmap keep
// theirs; an empty bitmap changes nothing.
TEST(WorkingPicture, OddWidthRowsStoreBackLeaveCopiesAloneAndEmptyOnesAreRefused) {
    QImage bitmap(5, 3, QImage::Format_BGR888);
    for (int y = 0; y < 3; ++y) {
        uint8_t* line = bitmap.scanLine(y);
        for (int i = 0; i < 15; ++i) line[i] = static_cast<uint8_t>(y * 16 + i);
        line[15] = 0xEE;  // padding
    }
    bitmap.setPixel(0, 0, qRgb(255, 0, 0));
    bitmap.setDotsPerMeterX(2835);
    WorkingPicture work;
    work.load(bitmap);
    EXPECT_EQ(work.image().at(0, 0), kRed);
    EXPECT_EQ(work.image().at(4, 2), (Bgr{44, 45, 46}));
    const QImage copy = bitmap;
    QImage stored;
    work.store(stored);
    ASSERT_EQ(stored.size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(std::memcmp(stored.constScanLine(y), bitmap.constScanLine(y), 15), 0) << y;
    EXPECT_EQ(stored.dotsPerMeterX(), 2835);
    work.image().at(1, 1) = kYellow;
    work.store(bitmap);
    EXPECT_EQ(bitmap.pixel(1, 1), qRgb(255, 255, 0));
    EXPECT_NE(copy.pixel(1, 1), qRgb(255, 255, 0));
    // An empty bitmap is refused and the array kept.
    QImage empty;
    EXPECT_THROW(work.load(empty), platform::TessellaError);
    ASSERT_EQ(work.width(), 5);
    EXPECT_EQ(work.image().at(1, 1), kYellow);
}

// A w x h picture whose every pixel is grey v, taken as a new step over what was there.
void Step(WorkingPicture& work, uint8_t v, int w = 2, int h = 2) {
    work.saveUndo();
    work.image().resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) work.image().at(x, y) = Grey(v);
}

uint8_t Shown(const WorkingPicture& work) {
    return work.image().at(0, 0).g;
}

TEST(WorkingPicture, UndoAndRedoWalkTheStepsAndANewStepClearsRedo) {
    WorkingPicture work;
    Step(work, 0);
    work.discardUndo();  // the element handed over: grey 0, no step
    work.setDotsPerMeter(100, 100);
    for (uint8_t v = 1; v <= 5; ++v) Step(work, v);
    EXPECT_EQ(work.undoSteps(), 5);
    for (int expected = 4; expected >= 0; --expected) {
        ASSERT_TRUE(work.undo());
        EXPECT_EQ(Shown(work), expected);
    }
    EXPECT_FALSE(work.undo());
    EXPECT_EQ(Shown(work), 0);
    EXPECT_EQ(work.redoSteps(), 5);
    ASSERT_TRUE(work.redo());
    ASSERT_TRUE(work.redo());
    EXPECT_EQ(Shown(work), 2);
    // A new step, of another size and resolution, drops 3, 4 and 5 for good.
    Step(work, 9, 7, 9);
    work.setDotsPerMeter(5, 6);
    EXPECT_FALSE(work.hasRedo());
    EXPECT_FALSE(work.redo());
    ASSERT_TRUE(work.undo());
    EXPECT_EQ(Shown(work), 2);
    EXPECT_EQ(work.width(), 2);
    EXPECT_EQ(work.dotsPerMeterY(), 100);
    // A step that failed is taken back with the redo list it cleared.
    pixels::WorkingPicture::SavedStep saved = work.saveUndo();
    EXPECT_FALSE(work.hasRedo());
    work.putBackUndo(std::move(saved));
    EXPECT_EQ(work.undoSteps(), 2);
    ASSERT_TRUE(work.redo());
    EXPECT_EQ(Shown(work), 9);
    EXPECT_EQ(work.height(), 9);
    EXPECT_EQ(work.dotsPerMeterY(), 6);
}

TEST(WorkingPicture, TheOldestStepsGoPastTheLimits) {
    // A 10 x 10 copy holds (10 + 4 spare columns) x (10 + 1 spare row) x 3 = 462 bytes.
    const struct {
        const char* name;
        std::size_t bytes;
        int steps;
        int side;
        int keptSteps;
    } rows[] = {
        // clang-format off
        {"100 steps at most", WorkingPicture::kHistoryBytes, WorkingPicture::kHistorySteps, 10, 100},
        {"two copies fit in 1000 bytes", 1000, 100, 10, 2},
        // 20 x 20: 24 x 21 x 3 = 1512 bytes, over the limit alone: the last step still stays.
        {"one copy larger than the limit", 1000, 100, 20, 1},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        WorkingPicture work;
        work.setHistoryLimits(r.bytes, r.steps);
        for (int v = 0; v <= 120; ++v) Step(work, static_cast<uint8_t>(v), r.side, r.side);
        EXPECT_EQ(work.undoSteps(), r.keptSteps);
        // The newest are kept: the last undo reaches 120 - kept.
        while (work.undo()) {
        }
        EXPECT_EQ(Shown(work), 120 - r.keptSteps);
        EXPECT_LE(work.historyBytes(), std::max<std::size_t>(r.bytes, 1512));
    }
    // A small element after a large one: the large copy goes to make room.
    WorkingPicture work;
    work.setHistoryLimits(1000, 100);
    Step(work, 1, 20, 20);
    Step(work, 2, 10, 10);
    Step(work, 3, 10, 10);
    EXPECT_EQ(work.undoSteps(), 1);
    EXPECT_EQ(work.historyBytes(), 462u);
}

// Small (heap) and large (system) storage alike: resize clears, reshape keeps, copies are deep.
TEST(PixelGrid, ResizeClearsReshapeKeepsCopiesAreDeep) {
    for (const int side : {3, 700}) {
        SCOPED_TRACE(side);
        PixelGrid grid(side, side);
        grid.at(0, 0) = kRed;
        grid.at(side - 1, side - 1) = kYellow;
        grid.reshape(side, 2 * side);
        EXPECT_EQ(grid.at(0, 0), kRed);
        EXPECT_EQ(grid.at(side - 1, side - 1), kYellow);
        EXPECT_EQ(grid.at(side - 1, 2 * side - 1), kBlack);

        const PixelGrid copy = grid;
        grid.at(0, 0) = kBlack;
        EXPECT_EQ(copy.at(0, 0), kRed);

        PixelGrid moved = std::move(grid);
        EXPECT_TRUE(grid.empty());
        EXPECT_EQ(moved.at(side - 1, side - 1), kYellow);
        moved.resize(side, side);
        EXPECT_EQ(moved.at(side - 1, side - 1), kBlack);
    }
}

}  // namespace
}  // namespace tessella::pixels
