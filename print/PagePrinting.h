#pragma once
// Printing the texture page and contact sheets on a printer service.

#include <QImage>
#include <QString>

#include "print/PageLayout.h"

namespace tessella::platform {
class Pacer;
class PrinterService;
}  // namespace tessella::platform

namespace tessella::print {

// The name printed above the page sits here (device pixels).
inline constexpr QPoint kNameOrigin{50, 1};

// What a page print says about the page, and whether it may come out cut.
struct PrintOptions {
    QString pageName;        // the page's file name: the document's title
    bool printName = false;  // also printed above the page
    bool allowCut = false;   // a picture that leaves the paper prints cut instead of refused
};

// picture blended over white paper, as it prints: each channel c a / 255 + 255 (255 - a) / 255,
// rounded, in 24 bits. A picture without an alpha channel is answered as it is.
QImage OnWhitePaper(const QImage& picture);

// Prints page at placement as one document on portrait paper: over white paper, turned first when
// the placement says so, resampled to the device size (point-sampled, through the working picture)
// unless the device scales pictures itself, then the name when asked, then the page into its device
// rectangle. Throws TessellaError (no printer, a picture off the paper unless allowed, refused
// start, failure); a begun document is always ended or aborted. pacer, when given, lets the
// windows paint after the resampling.
void PrintPage(platform::PrinterService& printer, const QImage& page,
               const PagePlacement& placement, const PrintOptions& options,
               platform::Pacer* pacer = nullptr);

// Throws TessellaError with the no-printer message when the service has no printer.
void RequirePrinter(const platform::PrinterService& printer);

}  // namespace tessella::print
