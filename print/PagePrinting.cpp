#include "print/PagePrinting.h"

#include "editor/Resize.h"
#include "pixels/WorkingPicture.h"
#include "platform/Error.h"
#include "platform/Pacer.h"
#include "platform/PrinterService.h"
#include "platform/PrinterTexts.h"
#include "print/PrintTexts.h"

namespace tessella::print {

QImage OnWhitePaper(const QImage& picture) {
    if (!picture.hasAlphaChannel()) return picture;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_BGR888);
    if (argb.isNull() || out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* o = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x, o += 3) {
            const int a = qAlpha(in[x]);
            const auto paper = [a](int c) {
                return static_cast<uchar>((c * a + 255 * (255 - a) + 127) / 255);
            };
            o[0] = paper(qBlue(in[x]));
            o[1] = paper(qGreen(in[x]));
            o[2] = paper(qRed(in[x]));
        }
    }
    out.setDotsPerMeterX(picture.dotsPerMeterX());
    out.setDotsPerMeterY(picture.dotsPerMeterY());
    return out;
}

void RequirePrinter(const platform::PrinterService& printer) {
    if (!printer.isAvailable() || printer.dotsPerInch() <= 0)
        throw platform::TessellaError(platform::kNoPrinterMessage);
}

void PrintPage(platform::PrinterService& printer, const QImage& page,
               const PagePlacement& placement, const PrintOptions& options,
               platform::Pacer* pacer) {
    RequirePrinter(printer);
    printer.setOrientation(platform::PaperOrientation::Portrait);
    const QRect target = PrintedRect(page.size(), placement, printer.dotsPerInch());
    if (!options.allowCut && !FitsOnPaper(target, printer.printableSize()))
        throw platform::TessellaError(kPictureCutMessage);

    // A device that scales pictures gets the page at its own pixels (in the working picture's
    // 24 bits); the others get it resampled to the device size. Either way the picture is ready
    // before the document begins, so a failure here leaves nothing open. The program's working
    // picture is not touched: the element editor's undo stays as it was.
    pixels::WorkingPicture work;
    const QImage onPaper = OnWhitePaper(page);
    QImage bitmap = placement.turned ? TurnQuarter(onPaper, true) : onPaper;
    work.load(bitmap);
    if (!printer.scalesPictures()) editor::ResizeNearest(work, target.width(), target.height());
    QImage printed;
    work.store(printed);
    if (pacer) pacer->processEvents();

    const QString title =
        options.pageName.isEmpty() ? QStringLiteral("Tessella") : options.pageName;
    platform::PrintDocument document(printer, title);
    if (options.printName && !options.pageName.isEmpty())
        printer.drawText(kNameOrigin, options.pageName);
    printer.drawPicture(target, printed);
    document.end();
}

}  // namespace tessella::print
