#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "catalogue/ThumbnailReader.h"
#include "tests/support/Pictures.h"
#include "tests/support/TestFiles.h"

using namespace tessella;
using catalogue::ThumbnailReader;

namespace {

TEST(ThumbnailReader, KeepsAPictureUntilItsFileChangesAndKeepsUnreadableFilesAsNull) {
    QTemporaryDir folder;
    const QString wall = folder.filePath("mur.bmp");
    const QString broken = folder.filePath("casse.bmp");
    ASSERT_TRUE(tessella::testing::Solid(6, 4, Qt::darkRed).save(wall, "BMP"));
    ASSERT_TRUE(tessella::testing::WriteBytes(broken, "BM not a bitmap"));

    ThumbnailReader reader;
    QStringList announced;
    QObject::connect(&reader, &ThumbnailReader::thumbnailRead,
                     [&](const QString& path) { announced << path; });
    reader.request({wall, broken}, true);
    // Asked again while on its way: read once.
    reader.request({wall}, false);
    reader.waitForAll();
    EXPECT_EQ(announced, QStringList({wall, broken}));
    EXPECT_EQ(reader.kept(wall).value(), tessella::testing::Solid(6, 4, Qt::darkRed));
    EXPECT_TRUE(reader.kept(broken).value().isNull());

    // Kept: asking again reads nothing.
    reader.request({wall}, true);
    reader.waitForAll();
    EXPECT_EQ(announced.size(), 2);

    // Another size is another file size: the kept picture no longer counts.
    ASSERT_TRUE(tessella::testing::Solid(3, 2, Qt::darkBlue).save(wall, "BMP"));
    EXPECT_FALSE(reader.kept(wall));
    reader.request({wall}, true);
    reader.waitForAll();
    EXPECT_EQ(*reader.kept(wall), tessella::testing::Solid(3, 2, Qt::darkBlue));
}

}  // namespace
