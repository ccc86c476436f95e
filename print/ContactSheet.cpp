#include "print/ContactSheet.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

#include "imagefile/ImageLoader.h"
#include "platform/Error.h"
#include "platform/PrinterService.h"
#include "platform/Rounding.h"
#include "print/PagePrinting.h"
#include "print/PrintTexts.h"

namespace tessella::print {

using platform::RoundHalfEven;

int SheetCount(int pictures) {
    return pictures / kThumbnailsPerSheet + (pictures % kThumbnailsPerSheet >= 1 ? 1 : 0);
}

QSize ThumbnailSize(QSize picture) {
    const double w = picture.width();
    const double h = picture.height();
    const double rw = std::max(1.0, w / kThumbnailBox);
    const double rh = std::max(1.0, h / kThumbnailBox);
    const double s = rw > rh ? rw : rh;
    return QSize(std::max(1, RoundHalfEven(w / s)), std::max(1, RoundHalfEven(h / s)));
}

QPoint ThumbnailOrigin(int indexOnSheet) {
    const int column = indexOnSheet % kSheetColumns;
    const int row = indexOnSheet / kSheetColumns;
    return QPoint(2 + kCellWidth * column, 2 + kCellHeight * row);
}

QRect SheetPrintRect(int dotsPerInch) {
    const double k = double(dotsPerInch) / kSheetReferenceDpi;
    const auto scaled = [k](int v) { return RoundHalfEven(v * k); };
    return QRect(scaled(kSheetPrintOrigin.x()), scaled(kSheetPrintOrigin.y()),
                 scaled(kSheetWidth * kSheetMagnification),
                 scaled(kSheetHeight * kSheetMagnification));
}

QImage BlankSheet() {
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    return sheet;
}

void DrawThumbnail(QImage& sheet, int indexOnSheet, const QImage& picture, const QString& name) {
    const QSize size = ThumbnailSize(picture.size());
    // Transparency blends over the white sheet before any scaling mixes texels.
    QImage source = OnWhitePaper(picture);
    if (qint64(picture.width()) * picture.height() > kLargePictureLimit)
        source = source.scaled(std::max(1, RoundHalfEven(picture.width() / 4.0)),
                               std::max(1, RoundHalfEven(picture.height() / 4.0)),
                               Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRect thumbnail(ThumbnailOrigin(indexOnSheet), size);
    QPainter painter(&sheet);
    painter.drawImage(thumbnail,
                      source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.setPen(Qt::black);
    painter.drawText(QRect(thumbnail.left(), thumbnail.top() + size.height() + kNameGap,
                           kCellWidth - 2, kCellHeight),
                     Qt::AlignLeft | Qt::AlignTop, name);
}

void PrintSheet(platform::PrinterService& printer, const QImage& sheet) {
    RequirePrinter(printer);
    // Whatever the page print last chose, a sheet is portrait.
    printer.setOrientation(platform::PaperOrientation::Portrait);
    const QRect target = SheetPrintRect(printer.dotsPerInch());
    // By the device when it scales pictures (the sheet is stored once at its own pixels, each
    // a sharp block), by us otherwise.
    const QImage printed =
        printer.scalesPictures() ? sheet : platform::PictureForDevice(sheet, target.size());
    platform::PrintDocument document(printer, kContactSheetCaption);
    printer.drawPicture(target, printed);
    document.end();
}

QImage LoadSheetPicture(const QString& path) {
    QImage picture;
    if (!imagefile::LoadImageByExtension(path, picture))
        throw platform::TessellaError(kRefusedExtension.arg(path));
    return picture;
}

ContactSheetComposer::ContactSheetComposer(QStringList paths, Loader loader)
    : paths_(std::move(paths)), loader_(loader ? std::move(loader) : Loader(LoadSheetPicture)) {}

void ContactSheetComposer::composeNextSheet(QImage& sheet, const std::function<bool()>& afterEach) {
    sheet = BlankSheet();
    for (int onSheet = 0; onSheet < kThumbnailsPerSheet && !allProcessed(); ++onSheet) {
        const QString path = paths_[processed_++];
        DrawThumbnail(sheet, onSheet, loader_(path), QFileInfo(path).fileName());
        if (afterEach && !afterEach()) return;
    }
}

}  // namespace tessella::print
