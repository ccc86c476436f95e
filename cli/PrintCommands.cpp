// print and contact-sheet: the program's page printing and contact sheets, on a PDF printer
// (600 dpi, A4, no margins).

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <type_traits>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ImageLibrary.h"
#include "platform/PdfPrinter.h"
#include "platform/Rounding.h"
#include "platform/SafeFile.h"
#include "print/ContactSheet.h"
#include "print/PagePrinting.h"

namespace tessella::cli {

namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr platform::Text kPrintUsage{QT_TRANSLATE_NOOP(
    "Tessella",
    "Usage : tessella-cli print PAGE [--width-mm L] [--x-mm X] [--y-mm Y] [--landscape] [--name] "
    "[--allow-cut] -o SORTIE.pdf")};
// %1 the option, %2 the value given, %3 and %4 the bounds.
constexpr platform::Text kBadValue{
    QT_TRANSLATE_NOOP("Tessella", "Valeur refusée pour %1 : « %2 » (un nombre de %3 à %4)")};
constexpr platform::Text kMissingValue{QT_TRANSLATE_NOOP("Tessella", "Valeur manquante pour %1")};
constexpr platform::Text kContactSheetUsage{
    QT_TRANSLATE_NOOP("Tessella", "Usage : tessella-cli contact-sheet -o SORTIE.pdf FICHIER...")};

QCommandLineOption PdfOutput() {
    return {QStringLiteral("o"), QCoreApplication::translate("CommandLine", "fichier PDF à écrire"),
            QCoreApplication::translate("CommandLine", "SORTIE.pdf")};
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
    const QString mm =
        QCoreApplication::translate("CommandLine", "en mm, de %1 à 400 (%2 par défaut)");
    QCommandLineParser parser;
    const CommandSyntax syntax{
        .usage = kPrintUsage,
        .options = {
            {QStringLiteral("width-mm"),
             QCoreApplication::translate("CommandLine", "largeur %1").arg(mm.arg(1).arg(150)),
             QCoreApplication::translate("CommandLine", "L")},
            {QStringLiteral("x-mm"),
             QCoreApplication::translate("CommandLine", "marge gauche %1").arg(mm.arg(0).arg(20)),
             QStringLiteral("X")},
            {QStringLiteral("y-mm"),
             QCoreApplication::translate("CommandLine", "marge haute %1").arg(mm.arg(0).arg(20)),
             QStringLiteral("Y")},
            {QStringLiteral("landscape"),
             QCoreApplication::translate("CommandLine",
                                         "image tournée d'un quart, comme après « Orientation »")},
            {QStringLiteral("name"),
             QCoreApplication::translate("CommandLine", "imprime le nom du fichier")},
            {QStringLiteral("allow-cut"),
             QCoreApplication::translate("CommandLine",
                                         "imprime coupée une image qui dépasse de la feuille")},
            PdfOutput()}};
    if (const auto stop = ParseCommandLine(parser, args, syntax)) return *stop;
    QString output;
    print::PagePlacement placement{150, 20, 20};
    bool withName = false, allowCut = false;
    // Every value is checked; the last of a repeated option wins.
    for (const GivenOption& option : OptionsInOrder(parser)) {
        const QString& name = option.name;
        const auto millimetres = [&](int minimum, int& value) {
            if (!option.value) return UsageError(kPrintUsage, kMissingValue.arg(option.spelled));
            if (TakeNumber(option.value, minimum, 400, value)) return kExitOk;
            return UsageError(kPrintUsage,
                              kBadValue.arg(option.spelled, *option.value).arg(minimum).arg(400));
        };
        int status = kExitOk;
        if (name == QLatin1String("width-mm"))
            status = millimetres(1, placement.widthMm);
        else if (name == QLatin1String("x-mm"))
            status = millimetres(0, placement.xMm);
        else if (name == QLatin1String("y-mm"))
            status = millimetres(0, placement.yMm);
        else if (name == QLatin1String("landscape"))
            placement.turned = true;  // as the print dialog's "Orientation": turned on the paper
        else if (name == QLatin1String("name"))
            withName = true;
        else if (name == QLatin1String("allow-cut"))
            allowCut = true;
        else if (option.value)
            output = *option.value;
        else
            status = UsageError(kPrintUsage);
        if (status != kExitOk) return status;
    }
    const QStringList pages = parser.positionalArguments();
    // As before, a word starting with a dash (a lone "-" too) is never taken for the page.
    if (pages.size() != 1 || pages[0].isEmpty() || pages[0].startsWith(QLatin1Char('-')) ||
        !IsPdf(output))
        return UsageError(kPrintUsage);
    const QString& page = pages[0];

    const QImage picture = LoadPicture(page);
    platform::PdfPrinter printer(kPdfDotsPerInch);
    // Positions count from the paper's corner, as in the print dialog.
    placement.xMm -= print::DeviceToMm(printer.physicalOffset().x(), kPdfDotsPerInch);
    placement.yMm -= print::DeviceToMm(printer.physicalOffset().y(), kPdfDotsPerInch);
    print::PrintPage(printer, picture, placement, {QFileInfo(page).fileName(), withName, allowCut});
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
