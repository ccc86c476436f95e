#include "imagefile/PngWriter.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImageWriter>
#include <exception>

#include "pixels/LargeImage.h"
#include "platform/Error.h"

namespace tessella::imagefile {

namespace {

// Qt's writer writes to a device; this one hands every byte to the atomic writer's sink, so
// the encoded file is never held whole.
class SinkDevice final : public QIODevice {
  public:
    explicit SinkDevice(platform::ByteSink& sink) : sink_(sink) { open(QIODevice::WriteOnly); }
    // The sink's failure, kept: an exception must not cross libpng's C frames.
    void rethrowFailure() const {
        if (failure_) std::rethrow_exception(failure_);
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (failure_) return -1;
        try {
            sink_.write(data, std::size_t(size));
        } catch (...) {
            failure_ = std::current_exception();
            return -1;
        }
        return size;
    }

  private:
    platform::ByteSink& sink_;
    std::exception_ptr failure_;
};

}  // namespace

void WritePng24(const QImage& image, platform::ByteSink& sink) {
    // RGB888 is the one format Qt writes as 8-bit RGB as it stands.
    const QImage rgb = image.format() == QImage::Format_RGB888
                           ? image
                           : image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    SinkDevice device(sink);
    QImageWriter writer(&device, "png");
    writer.setQuality(50);  // zlib level: the pixels are the same at every level
    const bool written = writer.write(rgb);
    device.rethrowFailure();
    if (!written)
        throw platform::TessellaError(
            QStringLiteral("PNG : écriture impossible (%1)").arg(writer.errorString()));
}

void WritePng24(const BgrRows& rows, platform::ByteSink& sink) {
    QImage image = pixels::NewImage(rows.width, rows.height, QImage::Format_RGB888);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    for (int y = 0; y < rows.height; ++y) {
        const uchar* in = rows.row(y);
        uchar* out = image.scanLine(y);
        for (int x = 0; x < rows.width; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    if (rows.dotsPerMeterX > 0) image.setDotsPerMeterX(rows.dotsPerMeterX);
    if (rows.dotsPerMeterY > 0) image.setDotsPerMeterY(rows.dotsPerMeterY);
    WritePng24(image, sink);
}

bool IsPngPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
}

}  // namespace tessella::imagefile
