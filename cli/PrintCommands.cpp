// print and contact-sheet: the program's page printing and contact sheets, on a PDF printer
// (600 dpi, A4, no margins).

#include <QFileInfo>

#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "platform/PdfPrinter.h"
#include "platform/SafeFile.h"
#include "print/ContactSheet.h"
#include "print/PagePrinting.h"

namespace tessella::cli {

namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr const char* kPrintUsage =
    "print PAGE [--width-mm L] [--x-mm X] [--y-mm Y] [--landscape] [--name] -o SORTIE.pdf";
constexpr const char* kContactSheetUsage = "contact-sheet -o SORTIE.pdf FICHIER...";

int UsageOf(const char* usage) {
    PrintError(QStringLiteral("Usage : tessella-cli %1").arg(QLatin1String(usage)));
    return kExitUsage;
}

bool IsPdf(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

// Reads the number after an option; false on a missing or malformed value.
bool TakeNumber(const QStringList& args, qsizetype& i, int minimum, int maximum, int& value) {
    if (i + 1 >= args.size()) return false;
    bool ok = false;
    const int v = args[++i].toInt(&ok);
    if (!ok || v < minimum || v > maximum) return false;
    value = v;
    return true;
}

void WritePdf(platform::PdfPrinter& printer, const QString& output) {
    platform::WriteFileAtomically(output, printer.finish());
}

}  // namespace

int PrintCommand(const QStringList& args) {
    QString page, output;
    print::PagePlacement placement{150, 20, 20};
    bool landscape = false, withName = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        bool ok = true;
        if (a == QLatin1String("--width-mm"))
            ok = TakeNumber(args, i, 1, 400, placement.widthMm);
        else if (a == QLatin1String("--x-mm"))
            ok = TakeNumber(args, i, 0, 400, placement.xMm);
        else if (a == QLatin1String("--y-mm"))
            ok = TakeNumber(args, i, 0, 400, placement.yMm);
        else if (a == QLatin1String("--landscape"))
            landscape = true;
        else if (a == QLatin1String("--name"))
            withName = true;
        else if (a == QLatin1String("-o") && i + 1 < args.size())
            output = args[++i];
        else if (!a.startsWith(QLatin1Char('-')) && page.isEmpty())
            page = a;
        else
            ok = false;
        if (!ok) return UsageOf(kPrintUsage);
    }
    if (page.isEmpty() || !IsPdf(output)) return UsageOf(kPrintUsage);

    const QImage picture = LoadPicture(page);
    platform::PdfPrinter printer(kPdfDotsPerInch);
    printer.setOrientation(landscape ? platform::PaperOrientation::Landscape
                                     : platform::PaperOrientation::Portrait);
    // Positions count from the paper's corner, as in the print dialog.
    placement.xMm -= print::DeviceToMm(printer.physicalOffset().x(), kPdfDotsPerInch);
    placement.yMm -= print::DeviceToMm(printer.physicalOffset().y(), kPdfDotsPerInch);
    print::PrintPage(printer, picture, placement,
                     withName ? QFileInfo(page).fileName() : QString());
    WritePdf(printer, output);
    return kExitOk;
}

int ContactSheetCommand(const QStringList& args) {
    QString output;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size())
            output = args[++i];
        else if (args[i].startsWith(QLatin1Char('-')))
            return UsageOf(kContactSheetUsage);
        else
            files << args[i];
    }
    if (files.isEmpty() || !IsPdf(output)) return UsageOf(kContactSheetUsage);

    platform::PdfPrinter printer(kPdfDotsPerInch);
    print::ContactSheetComposer composer(files);
    QImage sheet;
    while (!composer.allProcessed()) {
        composer.composeNextSheet(sheet);
        print::PrintSheet(printer, sheet);
    }
    WritePdf(printer, output);
    return kExitOk;
}

}  // namespace tessella::cli
