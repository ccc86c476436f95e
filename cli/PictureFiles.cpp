#include "cli/PictureFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "cli/Commands.h"

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

std::optional<imagefile::GpuBlockFormat> BlockFormatOption(const QString& spelled) {
    using imagefile::GpuBlockFormat;
    static const std::pair<const char*, GpuBlockFormat> formats[] = {
        {"--bc1", GpuBlockFormat::Bc1},
        {"--bc3", GpuBlockFormat::Bc3},
        {"--bc5", GpuBlockFormat::Bc5},
        {"--rgb", GpuBlockFormat::Rgb}};
    for (const auto& [name, format] : formats)
        if (spelled == QLatin1String(name)) return format;
    return std::nullopt;
}

std::optional<imagefile::GpuBlockFormat> AstcBlockOption(const QString& sides) {
    using imagefile::GpuBlockFormat;
    if (sides == QLatin1String("4x4")) return GpuBlockFormat::Astc4x4;
    if (sides == QLatin1String("6x6")) return GpuBlockFormat::Astc6x6;
    if (sides == QLatin1String("8x8")) return GpuBlockFormat::Astc8x8;
    return std::nullopt;
}

std::optional<imagefile::GpuQuality> QualityOption(const QString& name) {
    using imagefile::GpuQuality;
    if (name == QLatin1String("fast")) return GpuQuality::Fast;
    if (name == QLatin1String("medium")) return GpuQuality::Medium;
    if (name == QLatin1String("thorough")) return GpuQuality::Thorough;
    return std::nullopt;
}

std::optional<int> ThreadsOption(const QString& count) {
    bool ok = false;
    const int n = count.toInt(&ok);
    if (!ok || n < 1 || n > 256 || count.startsWith(QLatin1Char('+'))) return std::nullopt;
    return n;
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
    if (rows.alpha && suffix == QLatin1String("bmp"))
        PrintError(imagefile::kBmpAlphaLeftOutMessage.arg(path));
}

void LoadWorkingPicture(const QString& file, pixels::WorkingPicture& work) {
    int dotsPerMeterX = 0, dotsPerMeterY = 0;
    if (imagefile::LoadIntoGrid(file, work.image(), dotsPerMeterX, dotsPerMeterY)) {
        work.setDotsPerMeter(dotsPerMeterX, dotsPerMeterY);
        return;
    }
    ImageLibrary().loadWorkingPicture(file, work);
}

void WritePicture(imagefile::BgrRows rows, const pixels::WorkingPicture& work,
                  const QString& path) {
    if (rows.width <= 0 || rows.height <= 0)
        throw platform::TessellaError(
            QCoreApplication::translate("CommandLine", "Image vide : %1").arg(path));
    rows.dotsPerMeterX = work.dotsPerMeterX() > 0 ? work.dotsPerMeterX() : kNewPictureDotsPerMeter;
    rows.dotsPerMeterY = work.dotsPerMeterY() > 0 ? work.dotsPerMeterY() : kNewPictureDotsPerMeter;
    WritePicture(rows, path);
}

void WritePicture(const pixels::WorkingPicture& work, const QString& path) {
    WritePicture(imagefile::RowsOf(work.image()), work, path);
}

}  // namespace tessella::cli
