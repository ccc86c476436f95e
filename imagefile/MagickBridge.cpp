#include "imagefile/MagickBridge.h"

#include <Magick++.h>

#include <mutex>
#include <string_view>

#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

void InitializeOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        Magick::InitializeMagick(nullptr);
        // The library refuses, before allocating, what our own limit would refuse anyway.
        Magick::ResourceLimits::width(platform::kMaxImageSide);
        Magick::ResourceLimits::height(platform::kMaxImageSide);
        Magick::ResourceLimits::area(platform::kMaxImagePixels);
    });
}

[[noreturn]] void Fail(const QString& path) {
    throw platform::TessellaError(
        QStringLiteral("Impossible de décoder l'image %1 : fichier endommagé ou format invalide")
            .arg(path));
}

// Reads the first frame. Warnings do not stop a read, except that the file is damaged.
void ReadFirstFrame(Magick::Image& image, const QByteArray& data, const QString& coder) {
    const Magick::Blob blob(data.constData(), static_cast<size_t>(data.size()));
    image.quiet(false);
    // Asking a Photo-CD for one scene would pick its smallest resolution, not the base one.
    if (coder != QLatin1String("PCD")) {
        image.subImage(0);
        image.subRange(1);
    }
    try {
        image.read(blob, Magick::Geometry(), coder.toStdString());
    } catch (const Magick::WarningCorruptImage&) {
        throw;
    } catch (const Magick::Warning&) {
        // A tag the coder does not know, a missing profile: the picture is complete.
    }
}

QImage ExportBgr(Magick::Image& image, const QString& path) {
    const size_t width = image.columns();
    const size_t height = image.rows();
    platform::CheckImageSize(static_cast<int64_t>(width), static_cast<int64_t>(height), path);
    image.colorSpace(Magick::sRGBColorspace);
    if (image.matte()) {
        Magick::Image white(Magick::Geometry(width, height), Magick::Color("white"));
        white.composite(image, 0, 0, Magick::OverCompositeOp);
        image = white;
    }
    QImage out(static_cast<int>(width), static_cast<int>(height), QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    // QImage rows are padded to 4 bytes: one export per row.
    for (int y = 0; y < out.height(); ++y)
        image.write(0, y, width, 1, "BGR", Magick::CharPixel, out.scanLine(y));
    return out;
}

}  // namespace

QImage DecodeWithMagick(const QByteArray& data, const QString& coder, const QString& path) {
    if (data.isEmpty()) Fail(path);
    InitializeOnce();
    try {
        Magick::Image image;
        ReadFirstFrame(image, data, coder);
        if (!image.isValid() || image.columns() == 0 || image.rows() == 0) Fail(path);
        image.quiet(true);
        return ExportBgr(image, path);
    } catch (const Magick::Exception& e) {
        // The library's own limits (16000 pixels a side, its memory) refuse what it would not
        // hold; the side limit comes as an image error that only its text tells apart.
        if (dynamic_cast<const Magick::ErrorResourceLimit*>(&e) ||
            std::string_view(e.what()).find("exceeds limit") != std::string_view::npos)
            throw platform::TessellaError(
                QStringLiteral("Impossible de décoder l'image %1 : image trop grande").arg(path));
        Fail(path);
    }
}

}  // namespace tessella::imagefile
