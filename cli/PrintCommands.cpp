// print and contact-sheet: the program's page printing and contact sheets, on a PDF printer
// (600 dpi, A4, no margins).

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <type_traits>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "platform/PdfPrinter.h"
#include "platform/Rounding.h"
#include "platform/SafeFile.h"
#include "print/ContactSheet.h"
#include "print/PagePrinting.h"

namespace tessella::cli {

namespace {

constexpr int kPdfDotsPerInch = 600;
const QString kPrintUsage = QStringLiteral(
    "Usage : tessella-cli print PAGE [--width-mm L] [--x-mm X] [--y-mm Y] [--landscape] [--name] "
    "-o SORTIE.pdf");
const QString kContactSheetUsage =
    QStringLiteral("Usage : tessella-cli contact-sheet -o SORTIE.pdf FICHIER...");

QCommandLineOption PdfOutput() {
    return {QStringLiteral("o"), QStringLiteral("fichier PDF à écrire"),
            QStringLiteral("SORTIE.pdf")};
}

bool IsPdf(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

// Reads the number given to an option, with a decimal point or a decimal comma ("100,5" as
// "100.5"); false on a missing or malformed value or one outside minimum..maximum. A whole
// millimetre setting takes the nearest whole number, ties to even.
template <class Number>
bool TakeNumber(const std::optional<QString>& text, int minimum, int maximum, Number& value) {
    if (!text) return false;
    QString decimal = text->trimmed();
    // One separator at most, and digits only around it: no sign, exponent or grouping.
    if (decimal.count(QLatin1Char(',')) + decimal.count(QLatin1Char('.')) > 1) return false;
    decimal.replace(QLatin1Char(','), QLatin1Char('.'));
    if (decimal.isEmpty() || decimal.startsWith(QLatin1Char('.')) ||
        decimal.endsWith(QLatin1Char('.')) ||
        !std::all_of(decimal.begin(), decimal.end(),
                     [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); }))
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(decimal, &ok);
    if (!ok || v < minimum || v > maximum) return false;
    if constexpr (std::is_integral_v<Number>)
        value = static_cast<Number>(platform::RoundHalfEven(v));
    else
        value = static_cast<Number>(v);
    return true;
}

void WritePdf(platform::PdfPrinter& printer, const QString& output) {
    platform::WriteFileAtomically(output, printer.finish());
}

}  // namespace

int PrintCommand(const QStringList& args) {
    const QString mm = QStringLiteral("en mm, de %1 à 400 (%2 par défaut)");
    QCommandLineParser parser;
    const CommandSyntax syntax{
        .usage = kPrintUsage,
        .options = {{QStringLiteral("width-mm"), QStringLiteral("largeur ") + mm.arg(1).arg(150),
                     QStringLiteral("L")},
                    {QStringLiteral("x-mm"), QStringLiteral("marge gauche ") + mm.arg(0).arg(20),
                     QStringLiteral("X")},
                    {QStringLiteral("y-mm"), QStringLiteral("marge haute ") + mm.arg(0).arg(20),
                     QStringLiteral("Y")},
                    {QStringLiteral("landscape"), QStringLiteral("papier en paysage")},
                    {QStringLiteral("name"), QStringLiteral("imprime le nom du fichier")},
                    PdfOutput()}};
    if (const auto stop = ParseCommandLine(parser, args, syntax)) return *stop;
    QString output;
    print::PagePlacement placement{150, 20, 20};
    bool landscape = false, withName = false;
    // Every value is checked; the last of a repeated option wins.
    for (const GivenOption& option : OptionsInOrder(parser)) {
        const QString& name = option.name;
        bool ok = true;
        if (name == QLatin1String("width-mm"))
            ok = TakeNumber(option.value, 1, 400, placement.widthMm);
        else if (name == QLatin1String("x-mm"))
            ok = TakeNumber(option.value, 0, 400, placement.xMm);
        else if (name == QLatin1String("y-mm"))
            ok = TakeNumber(option.value, 0, 400, placement.yMm);
        else if (name == QLatin1String("landscape"))
            landscape = true;
        else if (name == QLatin1String("name"))
            withName = true;
        else if ((ok = option.value.has_value()))
            output = *option.value;
        if (!ok) return UsageError(kPrintUsage);
    }
    const QStringList pages = parser.positionalArguments();
    // As before, a word starting with a dash (a lone "-" too) is never taken for the page.
    if (pages.size() != 1 || pages[0].isEmpty() || pages[0].startsWith(QLatin1Char('-')) ||
        !IsPdf(output))
        return UsageError(kPrintUsage);
    const QString& page = pages[0];

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
    QCommandLineParser parser;
    if (const auto stop =
            ParseCommandLine(parser, args, {.usage = kContactSheetUsage, .options = {PdfOutput()}}))
        return *stop;
    QString output;
    for (const GivenOption& option : OptionsInOrder(parser)) {  // only -o: the last one wins
        if (!option.value) return UsageError(kContactSheetUsage);
        output = *option.value;
    }
    const QStringList files = parser.positionalArguments();
    const auto dashed = [](const QString& file) { return file.startsWith(QLatin1Char('-')); };
    if (files.isEmpty() || std::any_of(files.begin(), files.end(), dashed) || !IsPdf(output))
        return UsageError(kContactSheetUsage);

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
