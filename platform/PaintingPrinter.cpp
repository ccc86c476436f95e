#include "platform/PaintingPrinter.h"

#include "platform/Error.h"
#include "platform/PrinterTexts.h"

namespace tessella::platform {

void PaintingPrinter::documentBegun() {
    // Otherwise Qt stores pictures as lossy JPEG in PDF output.
    painter_->setRenderHint(QPainter::LosslessImageRendering);
    documentOpen_ = true;
}

QPainter& PaintingPrinter::painter() {
    if (!documentOpen_ || !painter_) throw TessellaError(kPrintFailedMessage);
    return *painter_;
}

void PaintingPrinter::drawText(QPoint topLeft, const QString& text) {
    QPainter& p = painter();
    p.setPen(Qt::black);
    p.drawText(QRect(topLeft, printableSize()), Qt::AlignLeft | Qt::AlignTop, text);
}

void PaintingPrinter::drawPicture(const QRect& target, const QImage& picture) {
    QPainter& p = painter();
    if (!scalesPictures() || picture.size() == target.size()) {
        p.drawImage(target.topLeft(), PictureForDevice(picture, target.size()));
        return;
    }
    // Placed by the device's transform: smoothing off, so the file asks for no interpolation
    // and every pixel stays a sharp block.
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRectF(target), picture);
    p.restore();
}

}  // namespace tessella::platform
