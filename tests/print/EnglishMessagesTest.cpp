// The core's messages in English: each one must be in the translation, under the context its
// text is looked up in, or it would stay French.

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "editor/Resize.h"
#include "imagefile/ImageLoader.h"
#include "pixels/WorkingPicture.h"
#include "platform/Error.h"
#include "platform/Language.h"
#include "platform/SafeFile.h"
#include "print/ContactSheet.h"
#include "print/PagePrinting.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/TestFiles.h"

using namespace tessella;

namespace {

struct EnglishMessages : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        platform::UseLanguage(platform::kEnglish);
    }
    void TearDown() override { platform::UseLanguage(platform::kFrench); }

    template <typename Action>
    static QString ErrorOf(Action action) {
        try {
            action();
        } catch (const platform::TessellaError& e) {
            return e.message();
        }
        return QStringLiteral("(no error)");
    }

    QTemporaryDir dir;
};

TEST_F(EnglishMessages, DamagedFilesAreToldInEnglish) {
    const QString ktx2 = dir.filePath(QStringLiteral("cut.ktx2"));
    ASSERT_TRUE(tessella::testing::WriteBytes(ktx2, QByteArray(16, '\0')));
    QImage image;
    EXPECT_EQ(ErrorOf([&] { imagefile::LoadImageByExtension(ktx2, image); }),
              "Could not decode the image " + ktx2 + ": damaged file or invalid format");

    const QString png = dir.filePath(QStringLiteral("cut.png"));
    ASSERT_TRUE(tessella::testing::WriteBytes(png, QByteArray("\x89PNG\r\n\x1a\n", 8) + "garbage"));
    EXPECT_EQ(ErrorOf([&] { imagefile::LoadImageByExtension(png, image); }),
              "PNG: invalid image (" + png + ")");

    const QString missing = dir.filePath(QStringLiteral("missing.tga"));
    EXPECT_EQ(ErrorOf([&] { platform::ReadWholeFile(missing); }),
              "Could not read the file " + missing + ": file not found");
}

TEST_F(EnglishMessages, AnImageTooLargeIsToldInEnglish) {
    pixels::WorkingPicture work;
    const QString error = ErrorOf([&] { editor::ResizeNearest(work, 2000000, 1); });
    // The megapixels depend on the build's limit; the side is 2^20.
    EXPECT_TRUE(error.startsWith(QStringLiteral(
        "Resize: Image too large: 2000000 x 1 pixels, beyond the program's limit (")))
        << error.toStdString();
    EXPECT_TRUE(error.endsWith(QStringLiteral(" megapixels, 1048576 pixels per side)")))
        << error.toStdString();
}

TEST_F(EnglishMessages, PrintingAndContactSheetsSpeakEnglish) {
    tessella::testing::RecordingPrinter printer;
    QImage page(10, 10, QImage::Format_RGB32);
    page.fill(Qt::white);
    // 400 mm wide on A4 paper.
    EXPECT_EQ(ErrorOf([&] {
                  print::PrintPage(printer, page, {400, 0, 0}, {});
              }),
              QStringLiteral("The image runs off the sheet: it would be printed cut off."));
    printer.available = false;
    EXPECT_EQ(ErrorOf([&] {
                  print::PrintPage(printer, page, {100, 0, 0}, {});
              }),
              QStringLiteral("No printer is installed: cannot print."));

    const QString odd = dir.filePath(QStringLiteral("notes.xyz"));
    ASSERT_TRUE(tessella::testing::WriteBytes(odd, "text"));
    EXPECT_EQ(ErrorOf([&] { print::LoadSheetPicture(odd); }),
              "Error loading the image: unrecognized extension (" + odd + ")");
}

}  // namespace
