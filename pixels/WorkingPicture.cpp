#include "pixels/WorkingPicture.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/Text.h"

namespace tessella::pixels {

namespace {

constexpr platform::Text kWorkingPictureWhat{QT_TRANSLATE_NOOP("Tessella", "Image de travail")};

using Palette = std::array<Bgr, 256>;

Bgr FromRgb(QRgb c) {
    return Bgr{static_cast<uint8_t>(qBlue(c)), static_cast<uint8_t>(qGreen(c)),
               static_cast<uint8_t>(qRed(c))};
}

// Entries the bitmap's colour table lacks stay black; a one-bit picture without a table is
// black (0) and white (1).
Palette PaletteOf(const QImage& bitmap) {
    Palette palette{};
    const QList<QRgb> table = bitmap.colorTable();
    const bool mono =
        bitmap.format() == QImage::Format_Mono || bitmap.format() == QImage::Format_MonoLSB;
    if (mono && table.size() < 2) palette[1] = Bgr{255, 255, 255};
    for (qsizetype i = 0; i < table.size() && i < 256; ++i) palette[i] = FromRgb(table[i]);
    return palette;
}

void CopyBgr888(const QImage& bitmap, PixelGrid& image) {
    const int w = image.width(), h = image.height();
    const size_t bytes = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y) std::memcpy(image.row(y), bitmap.constScanLine(y), bytes);
}

// Each source pixel of a row decoded by fn into blue, green, red.
template <typename In, typename PixelFn>
TESSELLA_PIXEL_LOOP void DecodeRow(const In* in, Bgr* out, int w, PixelFn fn) {
    for (int x = 0; x < w; ++x) out[x] = fn(in[x]);
}

template <typename In, typename PixelFn>
void DecodeRows(const QImage& bitmap, PixelGrid& image, PixelFn fn) {
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y)
        DecodeRow(reinterpret_cast<const In*>(bitmap.constScanLine(y)), image.row(y), w, fn);
}

void DecodeRgb32(const QImage& bitmap, PixelGrid& image) {
    DecodeRows<QRgb>(bitmap, image, [](QRgb c) { return FromRgb(c); });
}

// The fourth byte of non-premultiplied 32-bit pixels as the alpha plane, dropped again when
// every texel is opaque.
void DecodeAlpha32(const QImage& bitmap, PixelGrid& image) {
    image.addAlpha();
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(bitmap.constScanLine(y));
        uint8_t* out = image.alphaRow(y);
        for (int x = 0; x < w; ++x) out[x] = static_cast<uint8_t>(qAlpha(in[x]));
    }
    image.settleAlpha();
}

void DecodeIndexedAlpha(const QImage& bitmap, PixelGrid& image) {
    std::array<uint8_t, 256> alpha;
    alpha.fill(255);
    const QList<QRgb> table = bitmap.colorTable();
    for (qsizetype i = 0; i < table.size() && i < 256; ++i)
        alpha[i] = static_cast<uint8_t>(qAlpha(table[i]));
    image.addAlpha();
    for (int y = 0; y < image.height(); ++y) {
        const uint8_t* in = bitmap.constScanLine(y);
        uint8_t* out = image.alphaRow(y);
        for (int x = 0; x < image.width(); ++x) out[x] = alpha[in[x]];
    }
    image.settleAlpha();
}

// green5 is true for 5-5-5 (each channel times 8), false for 5-6-5 (green times 4).
void Decode16(const QImage& bitmap, PixelGrid& image, bool green5) {
    const int redShift = green5 ? 10 : 11;
    DecodeRows<uint16_t>(bitmap, image, [=](unsigned v) {
        return Bgr{FiveBitChannel(v), green5 ? FiveBitChannel(v >> 5) : SixBitChannel(v >> 5),
                   FiveBitChannel(v >> redShift)};
    });
}

void DecodeIndexed8(const QImage& bitmap, PixelGrid& image) {
    const Palette palette = PaletteOf(bitmap);
    DecodeRows<uint8_t>(bitmap, image, [&palette](uint8_t i) { return palette[i]; });
}

void DecodeGrey(const QImage& bitmap, PixelGrid& image) {
    DecodeRows<uint8_t>(bitmap, image, [](uint8_t g) { return Bgr{g, g, g}; });
}

void DecodeMono(const QImage& bitmap, PixelGrid& image) {
    const int w = image.width(), h = image.height();
    const Palette palette = PaletteOf(bitmap);
    const bool lsbFirst = bitmap.format() == QImage::Format_MonoLSB;
    for (int y = 0; y < h; ++y) {
        const uint8_t* in = bitmap.constScanLine(y);
        Bgr* out = image.row(y);
        for (int x = 0; x < w; ++x) {
            const int shift = lsbFirst ? (x & 7) : 7 - (x & 7);
            out[x] = palette[(in[x >> 3] >> shift) & 1];
        }
    }
}

}  // namespace

void WorkingPicture::load(QImage& bitmap) {
    platform::CheckImageSize(bitmap.width(), bitmap.height(), kWorkingPictureWhat);
    const QImage::Format format = bitmap.format();
    switch (format) {
        case QImage::Format_BGR888:
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_RGB555:
        case QImage::Format_RGB16:
        case QImage::Format_Indexed8:
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
        case QImage::Format_Grayscale8:
            break;
        default:
            // Every other format goes through Qt's own conversion to 24 bits, or to
            // non-premultiplied 32 bits when it has alpha (colours and alpha kept apart).
            bitmap.convertTo(bitmap.hasAlphaChannel() ? QImage::Format_ARGB32
                                                      : QImage::Format_BGR888);
            if (bitmap.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
            break;
    }
    image_.reshape(bitmap.width(), bitmap.height());
    switch (bitmap.format()) {
        case QImage::Format_RGB32:
            DecodeRgb32(bitmap, image_);
            break;
        case QImage::Format_ARGB32:
            DecodeRgb32(bitmap, image_);
            DecodeAlpha32(bitmap, image_);
            break;
        case QImage::Format_RGB555:
            Decode16(bitmap, image_, true);
            break;
        case QImage::Format_RGB16:
            Decode16(bitmap, image_, false);
            break;
        case QImage::Format_Indexed8:
            DecodeIndexed8(bitmap, image_);
            if (bitmap.hasAlphaChannel()) DecodeIndexedAlpha(bitmap, image_);
            break;
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
            DecodeMono(bitmap, image_);
            break;
        case QImage::Format_Grayscale8:
            DecodeGrey(bitmap, image_);
            break;
        default:
            CopyBgr888(bitmap, image_);
            break;
    }
    dotsPerMeterX_ = bitmap.dotsPerMeterX();
    dotsPerMeterY_ = bitmap.dotsPerMeterY();
    if (bitmap.format() != StoredFormat()) store(bitmap);
}

QImage::Format WorkingPicture::StoredFormat() const {
    return image_.hasAlpha() ? QImage::Format_ARGB32 : QImage::Format_BGR888;
}

void WorkingPicture::store(QImage& bitmap) const {
    if (image_.empty()) {
        bitmap = QImage();
        return;
    }
    // A bitmap of the right size and format that shares its pixels with no other is written
    // over rather than reallocated.
    const QImage::Format format = StoredFormat();
    if (bitmap.size() != QSize(image_.width(), image_.height()) || bitmap.format() != format ||
        !bitmap.isDetached()) {
        QImage out = NewImage(image_.width(), image_.height(), format);
        if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
        bitmap = std::move(out);
    }
    if (image_.hasAlpha()) {
        for (int y = 0; y < image_.height(); ++y) {
            const Bgr* in = image_.row(y);
            const uint8_t* a = image_.alphaRow(y);
            auto* out = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
            for (int x = 0; x < image_.width(); ++x)
                out[x] = qRgba(in[x].r, in[x].g, in[x].b, a[x]);
        }
    } else {
        const size_t bytes = static_cast<size_t>(image_.width()) * 3;
        for (int y = 0; y < image_.height(); ++y)
            std::memcpy(bitmap.scanLine(y), image_.row(y), bytes);
    }
    if (dotsPerMeterX_ > 0) bitmap.setDotsPerMeterX(dotsPerMeterX_);
    if (dotsPerMeterY_ > 0) bitmap.setDotsPerMeterY(dotsPerMeterY_);
}

namespace {

// Colour bytes only: what the reuse of a dropped copy moves in one block.
std::size_t ColourBytes(const PixelGrid& p) {
    if (p.empty()) return 0;
    return static_cast<std::size_t>(p.stride()) * static_cast<std::size_t>(p.height() + 1) *
           sizeof(Bgr);
}

std::size_t GridBytes(const PixelGrid& p) {
    return ColourBytes(p) + p.alphaBytes();
}

std::size_t CopyBytes(const WorkingPicture::UndoCopy& copy) {
    return GridBytes(copy.picture);
}

std::size_t ListBytes(const std::deque<WorkingPicture::UndoCopy>& list) {
    std::size_t bytes = 0;
    for (const auto& copy : list) bytes += CopyBytes(copy);
    return bytes;
}

}  // namespace

void WorkingPicture::setHistoryLimits(std::size_t bytes, int steps) {
    historyLimitBytes_ = bytes;
    historyLimitSteps_ = std::max(1, steps);
    trimHistory();
}

std::size_t WorkingPicture::historyBytes() const {
    return ListBytes(undo_) + ListBytes(redo_);
}

void WorkingPicture::trimHistory() {
    const auto steps = static_cast<std::size_t>(historyLimitSteps_);
    std::size_t bytes = historyBytes();
    auto over = [&] {
        return bytes > historyLimitBytes_ || undo_.size() > steps || redo_.size() > steps;
    };
    // The oldest undo steps go first, then the farthest redo ones; the nearest step stays.
    while (over() && undo_.size() + redo_.size() > 1) {
        const bool fromUndo = redo_.size() <= steps && (undo_.size() > 1 || redo_.empty());
        std::deque<UndoCopy>& list = fromUndo ? undo_ : redo_;
        bytes -= CopyBytes(list.front());
        list.pop_front();
    }
}

WorkingPicture::SavedStep WorkingPicture::saveUndo() {
    SavedStep saved;
    // Room among the undo steps before the copy is made; the redo list goes with the new step.
    const std::size_t newBytes = GridBytes(image_);
    std::size_t undoBytes = ListBytes(undo_);
    // The last copy dropped for room takes the new one when it has the same layout: memory
    // already in use costs less than fresh pages on a large picture.
    PixelGrid dropped;
    while (!undo_.empty() && (undoBytes + newBytes > historyLimitBytes_ ||
                              static_cast<int>(undo_.size()) + 1 > historyLimitSteps_)) {
        undoBytes -= CopyBytes(undo_.front());
        dropped = std::move(undo_.front().picture);
        undo_.pop_front();
    }
    UndoCopy copy{{}, dotsPerMeterX_, dotsPerMeterY_};
    if (!image_.empty() && dropped.width() == image_.width() &&
        dropped.height() == image_.height()) {
        copy.picture = std::move(dropped);
        std::memcpy(static_cast<void*>(copy.picture.row(0)), image_.row(0), ColourBytes(image_));
        copy.picture.assignAlpha(image_);
    } else {
        copy.picture = image_;
    }
    saved.redo = std::move(redo_);
    redo_.clear();
    undo_.push_back(std::move(copy));
    saved.pushed = true;
    return saved;
}

void WorkingPicture::putBackUndo(SavedStep saved) {
    if (saved.pushed && !undo_.empty()) undo_.pop_back();
    redo_ = std::move(saved.redo);
}

bool WorkingPicture::stepHistory(std::deque<UndoCopy>& from, std::deque<UndoCopy>& to) {
    if (from.empty()) return false;
    to.push_back(UndoCopy{std::move(image_), dotsPerMeterX_, dotsPerMeterY_});
    image_ = std::move(from.back().picture);
    dotsPerMeterX_ = from.back().dotsPerMeterX;
    dotsPerMeterY_ = from.back().dotsPerMeterY;
    from.pop_back();
    trimHistory();
    return true;
}

bool WorkingPicture::undo() {
    return stepHistory(undo_, redo_);
}

bool WorkingPicture::redo() {
    return stepHistory(redo_, undo_);
}

void WorkingPicture::discardUndo() {
    undo_.clear();
    redo_.clear();
}

}  // namespace tessella::pixels
