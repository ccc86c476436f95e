#include "cli/PictureFiles.h"

#include <QFileInfo>

#include "imagefile/BmpWriter.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/PngWriter.h"
#include "imagefile/TgaWriter.h"
#include "platform/Error.h"
#include "platform/SafeFile.h"

namespace tessella::cli {

namespace {

ImageLibraryWork* imageLibrary = nullptr;

QString SuffixOf(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

}  // namespace

void UseImageLibraryWork(ImageLibraryWork& work) {
    imageLibrary = &work;
}

ImageLibraryWork& ImageLibrary() {
    return *imageLibrary;
}

bool IsPictureOutput(const QString& path) {
    const QString suffix = SuffixOf(path);
    return suffix == QLatin1String("tga") || suffix == QLatin1String("bmp") ||
           suffix == QLatin1String("png");
}

void WritePicture(const imagefile::BgrRows& rows, const QString& path) {
    const QString suffix = SuffixOf(path);
    platform::WriteFileAtomically(path, [&](platform::ByteSink& sink) {
        if (suffix == QLatin1String("tga"))
            imagefile::WritePageTga(rows, sink);
        else if (suffix == QLatin1String("png"))
            imagefile::WritePng24(rows, sink);
        else
            imagefile::WriteBmp24(rows, sink);
    });
}

void LoadWorkingPicture(const QString& file, pixels::WorkingPicture& work) {
    int dotsPerMeterX = 0, dotsPerMeterY = 0;
    if (imagefile::LoadIntoGrid(file, work.image(), dotsPerMeterX, dotsPerMeterY)) {
        work.setDotsPerMeter(dotsPerMeterX, dotsPerMeterY);
        return;
    }
    ImageLibrary().loadWorkingPicture(file, work);
}

void WritePicture(const pixels::WorkingPicture& work, const QString& path) {
    const pixels::PixelGrid& picture = work.image();
    if (picture.empty()) throw platform::TessellaError(QStringLiteral("Image vide : %1").arg(path));
    const imagefile::BgrRows rows{
        picture.width(), picture.height(),
        work.dotsPerMeterX() > 0 ? work.dotsPerMeterX() : kNewPictureDotsPerMeter,
        work.dotsPerMeterY() > 0 ? work.dotsPerMeterY() : kNewPictureDotsPerMeter,
        [&picture](int y) { return reinterpret_cast<const uchar*>(picture.row(y)); }};
    WritePicture(rows, path);
}

}  // namespace tessella::cli
