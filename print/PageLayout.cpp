#include "print/PageLayout.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

#include "platform/Error.h"
#include "platform/Rounding.h"

namespace tessella::print {

using platform::RoundHalfEven;

namespace {
int AtLeastOne(int v) {
    return std::max(1, v);
}

double Proportion(double pictureWidth, double pictureHeight) {
    if (!(pictureWidth > 0) || !(pictureHeight > 0))
        throw platform::TessellaError(platform::kDivisionByZeroMessage);
    return pictureWidth / pictureHeight;
}

ShownSize FromCm(double widthCm, double heightCm) {
    ShownSize s;
    s.widthCm = widthCm;
    s.heightCm = heightCm;
    s.heightMm = AtLeastOne(RoundHalfEven(heightCm * 10));
    s.miniatureSize = QSize(AtLeastOne(RoundHalfEven(kMiniaturePixelsPerCm * widthCm)),
                            AtLeastOne(RoundHalfEven(kMiniaturePixelsPerCm * heightCm)));
    return s;
}
}  // namespace

MiniatureSource MakeMiniatureSource(const QImage& page) {
    MiniatureSource m;
    const qint64 pixels = qint64(page.width()) * page.height();
    if (pixels <= kFullMiniatureLimit) {
        m.picture = page.convertToFormat(QImage::Format_BGR888);
    } else {
        const QSize reduced(AtLeastOne(page.width() / 10), AtLeastOne(page.height() / 10));
        m.picture = page.scaled(reduced, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                        .convertToFormat(QImage::Format_BGR888);
    }
    m.pictureWidth = m.picture.width();
    m.pictureHeight = m.picture.height();
    return m;
}

ShownSize SizeForWidth(int widthMm, double pictureWidth, double pictureHeight) {
    const double widthCm = widthMm / 10.0;
    return FromCm(widthCm, widthCm / Proportion(pictureWidth, pictureHeight));
}

TurnedSize FitAfterTurn(bool toLandscape, double pictureWidth, double pictureHeight) {
    const int newWidthMm = toLandscape ? kPortraitTurnWidthMm : kLandscapeTurnWidthMm;
    double widthCm = newWidthMm / 10.0;
    double heightCm = widthCm / Proportion(pictureWidth, pictureHeight);
    double factor = 1;
    if (widthCm > kPhotoWidthCm || heightCm > kPhotoHeightCm) {
        factor = std::min(widthCm <= kPhotoWidthCm ? 1.0 : kPhotoWidthCm / widthCm,
                          heightCm <= kPhotoHeightCm ? 1.0 : kPhotoHeightCm / heightCm);
        if (factor == 0) factor = 1;
    }
    widthCm *= factor;
    heightCm *= factor;
    TurnedSize t;
    t.widthMm = AtLeastOne(RoundHalfEven(newWidthMm * factor));
    t.shown = FromCm(widthCm, heightCm);
    return t;
}

QImage TurnQuarter(const QImage& picture, bool clockwise) {
    return picture.transformed(QTransform().rotate(clockwise ? 90 : -90));
}

int MiniatureOffset(int positionMm) {
    return RoundHalfEven(kMiniaturePixelsPerCm * (positionMm / 10.0));
}

PagePlacement PlacementAtOk(const OkSettings& s) {
    return PagePlacement{AtLeastOne(s.widthMm), s.xMm - s.offsetXMm, s.yMm - s.offsetYMm,
                         s.landscape};
}

int DeviceToMm(int pixels, int dotsPerInch) {
    if (dotsPerInch <= 0) throw platform::TessellaError(platform::kDivisionByZeroMessage);
    return RoundHalfEven(pixels / (dotsPerInch / 2.54) * 10);
}

QRect PrintedRect(QSize page, const PagePlacement& placement, int dotsPerInch) {
    if (page.isEmpty() || dotsPerInch <= 0)
        throw platform::TessellaError(platform::kDivisionByZeroMessage);
    if (placement.turned) page.transpose();
    const double pixelsPerMm = dotsPerInch / 25.4;
    const double scale = placement.widthMm * pixelsPerMm / page.width();
    return QRect(RoundHalfEven(placement.xMm * pixelsPerMm),
                 RoundHalfEven(placement.yMm * pixelsPerMm),
                 AtLeastOne(RoundHalfEven(page.width() * scale)),
                 AtLeastOne(RoundHalfEven(page.height() * scale)));
}

bool FitsOnPaper(const QRect& printed, QSize printableSize) {
    return QRect(QPoint(0, 0), printableSize).contains(printed);
}

int LargestFittingWidthMm(QSize page, PagePlacement placement, int dotsPerInch, QSize printableSize,
                          int maxWidthMm) {
    for (placement.widthMm = maxWidthMm; placement.widthMm >= 1; --placement.widthMm)
        if (FitsOnPaper(PrintedRect(page, placement, dotsPerInch), printableSize))
            return placement.widthMm;
    return 0;
}

}  // namespace tessella::print
