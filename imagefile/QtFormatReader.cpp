#include "imagefile/QtFormatReader.h"

#include <fcntl.h>
#include <unistd.h>
#include <QBuffer>
#include <QImageReader>
#include <cstdio>
#include <mutex>

#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

bool SixteenBitSamples(QImage::Format format) {
    return format == QImage::Format_RGBA64 || format == QImage::Format_RGBX64 ||
           format == QImage::Format_RGBA64_Premultiplied || format == QImage::Format_Grayscale16;
}

// Qt keeps 16-bit samples in RGBA64 (or grey 16); our rounding makes the 8-bit picture.
QImage FromSixteenBits(const QImage& decoded, bool alpha) {
    const QImage wide = decoded.format() == QImage::Format_RGBA64
                            ? decoded
                            : decoded.convertToFormat(QImage::Format_RGBA64);
    if (wide.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    QImage out = pixels::NewImage(wide.width(), wide.height(),
                                  alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    for (int y = 0; y < wide.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgba64*>(wide.constScanLine(y));
        uchar* o = out.scanLine(y);
        for (int x = 0; x < wide.width(); ++x) {
            const QRgba64 c = in[x];
            const uint8_t r = EightBitSample(c.red()), g = EightBitSample(c.green()),
                          b = EightBitSample(c.blue());
            if (alpha) {
                reinterpret_cast<QRgb*>(o)[x] = qRgba(r, g, b, EightBitSample(c.alpha()));
            } else {
                o[3 * x] = b;
                o[3 * x + 1] = g;
                o[3 * x + 2] = r;
            }
        }
    }
    return out;
}

// libpng writes its English error text straight to the standard error stream, past Qt's
// message handler: while pictures are read, that stream goes to /dev/null, so the user gets our
// one French message alone. Pictures may be read on several threads at once: the first reader
// in turns the stream off and the last one out turns it back on.
class SilencedStandardError {
  public:
    SilencedStandardError() {
        const std::lock_guard lock(mutex_);
        if (readers_++ > 0) return;
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
        if (null >= 0) ::close(null);
    }
    ~SilencedStandardError() {
        const std::lock_guard lock(mutex_);
        if (--readers_ > 0) return;
        std::fflush(stderr);
        if (saved_ < 0) return;
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }
    SilencedStandardError(const SilencedStandardError&) = delete;
    SilencedStandardError& operator=(const SilencedStandardError&) = delete;

  private:
    static inline std::mutex mutex_;
    static inline int readers_ = 0;
    static inline int saved_ = -1;
};

}  // namespace

QImage ReadWithQtFormat(const QByteArray& bytes, const QByteArray& format,
                        const QString& invalidMessage) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    reader.setDecideFormatFromContent(false);
    QSize size;
    QImage decoded;
    bool read = false;
    {
        const SilencedStandardError quiet;
        size = reader.size();
        platform::RefuseImageBeyondLimit(size.width(), size.height());
        read = platform::ImageSizeAllowed(size.width(), size.height()) && reader.read(&decoded);
    }
    if (!read || decoded.isNull() || decoded.size() != size)
        throw platform::TessellaError(invalidMessage);
    const bool alpha = decoded.hasAlphaChannel();
    QImage out;
    if (SixteenBitSamples(decoded.format())) {
        out = FromSixteenBits(decoded, alpha);
    } else {
        // Non-premultiplied ARGB32 keeps the stored colour of every pixel, whatever its alpha.
        out = decoded.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
        if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    }
    out.setDotsPerMeterX(decoded.dotsPerMeterX());
    out.setDotsPerMeterY(decoded.dotsPerMeterY());
    return out;
}

}  // namespace tessella::imagefile
