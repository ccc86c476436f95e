#include <jerror.h>
#include <QBuffer>

#include "ImageSamples.h"
#include "imagefile/JpegDecoder.h"

using namespace imagetest;
using tessella::imagefile::DecodeJpeg;

TEST(JpegDecoder, BadDataGivesTheLibraryCode) {
    EXPECT_EQ(ErrorOf([] { DecodeJpeg(QByteArray()); }),
              QStringLiteral("Erreur JPEG #%1").arg(JERR_INPUT_EMPTY));
    EXPECT_EQ(ErrorOf([] { DecodeJpeg(QByteArray("BM not a jpeg at all")); }),
              QStringLiteral("Erreur JPEG #%1").arg(JERR_NO_SOI));
}

// A file cut in its scan is refused, not painted grey from the cut on; stray bytes after the
// end are harmless.
TEST(JpegDecoder, TruncatedFileIsRefused) {
    QImage source(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)  // busy picture, so that scan data is most of the file
        for (int x = 0; x < 64; ++x) source.setPixel(x, y, qRgb(x * 4, (x * y) & 255, y * 4));
    QByteArray data;  // from Qt's own JPEG writer, an independent encoder
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && source.save(&buffer, "JPG", 100));
    const QString truncated = QStringLiteral("Erreur JPEG #%1").arg(JWRN_JPEG_EOF);
    for (const qsizetype kept : {data.size() / 4, data.size() * 3 / 4, data.size() - 2})
        EXPECT_EQ(ErrorOf([&] { DecodeJpeg(data.left(kept)); }), truncated) << kept;
    EXPECT_EQ(DecodeJpeg(data + QByteArray(100, '\0')).size(), QSize(64, 64));
}
