#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "catalogue/CataloguePaging.h"
#include "tests/support/TestFiles.h"

using namespace tessella::catalogue;

TEST(CataloguePaging, PagesStepBySixAndTheLastPageIsTheLastSixFiles) {
    struct Row {
        PageMove move;
        int start, files;
        std::optional<int> next;
        int shown;  // files on the page moved to
    } rows[] = {
        {PageMove::First, 12, 14, 0, 6},
        {PageMove::Next, 6, 14, 12, 2},
        {PageMove::Next, 12, 14, std::nullopt, 0},  // already on the last file
        {PageMove::Last, 0, 14, 8, 6},
        {PageMove::Previous, 3, 14, 0, 6},  // never before the first file
        {PageMove::Next, 0, 6, std::nullopt, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(PageStartAfter(r.move, r.start, r.files), r.next)
            << int(r.move) << " " << r.start;
        if (r.next) {
            EXPECT_EQ(FilesOnPage(*r.next, r.files), r.shown);
        }
    }
}

TEST(CataloguePaging, PicturesAreFittedIntoTheirBox) {
    struct Row {
        QSize picture;
        bool zoom;
        QRect place;  // left, top, width, height inside the box
    } rows[] = {
        {{50, 20}, true, {2, 45, 100, 40}},
        {{50, 20}, false, {27, 55, 50, 20}},
        {{300, 200}, false, {2, 31, 100, 67}},  // 66.67
        {{10, 33}, true, {37, 15, 30, 100}},
        {{200, 5}, true, {2, 64, 100, 2}},  // 2.5 rounds to even
        {{0, 0}, true, {}},                 // nothing to fit, nothing divided by zero
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FitThumbnail(r.picture, r.zoom), r.place) << r.picture.width() << " " << r.zoom;
    }
}

TEST(CataloguePaging, BitmapsAreListedWhateverTheCaseAndSortedByName) {
    QTemporaryDir dir;
    for (const char* name : {"b.BMP", "a.bmp", "notes.txt", "D.Bmp", "c.bmp.txt", "e.PNG"})
        ASSERT_TRUE(tessella::testing::WriteBytes(dir.filePath(name)));
    EXPECT_EQ(BitmapFiles(dir.path()), QStringList({"a.bmp", "b.BMP", "D.Bmp", "e.PNG"}));
}
