// tessella-cli pack and extract: the page commands of the main window, answered from options.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>
#include <algorithm>

#include "cli/AnsweringPrompts.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "editor/NormalMap.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/ImageLoader.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/SafeFile.h"
#include "texture/AtlasData.h"
#include "texture/EngineAtlas.h"
#include "texture/PageContext.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/PageTexts.h"
#include "texture/QuietPageEvents.h"
#include "texture/SourcePanel.h"

namespace tessella::cli {

namespace {

constexpr platform::Text kPackUsage{QT_TRANSLATE_NOOP(
    "Tessella",
    "Usage : tessella-cli pack [--import LxH | --free] [--max-width 256|512] "
    "[--onto PAGE [--fill-right]] [--yes-to-all | --no-to-all] -o SORTIE.(tga|png) FICHIER...\n"
    "        tessella-cli pack --tight -o SORTIE.(tga|png) PAGE")};
constexpr platform::Text kExtractUsage{
    QT_TRANSLATE_NOOP("Tessella",
                      "Usage : tessella-cli extract [--import LxH] PAGE DEST.(bmp|png)\n"
                      "        tessella-cli extract --names PAGE DOSSIER")};

QCommandLineOption ImportOption() {
    return {QStringLiteral("import"),
            QCoreApplication::translate("CommandLine", "taille des éléments (64x64 par défaut)"),
            QCoreApplication::translate("CommandLine", "LxH")};
}

std::optional<QSize> ParseSize(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1) return std::nullopt;
    return size;
}

platform::TessellaError RefusedFile(const QString& path) {
    return platform::TessellaError(
        QCoreApplication::translate("CommandLine",
                                    "Format d'image non reconnu (extension refusée) : %1")
            .arg(path));
}

struct PackOptions {
    std::optional<QSize> import;
    bool freeSize = false;
    int32_t maxWidth = 512;
    bool maxWidthGiven = false;
    QString onto;
    bool fillRight = false;
    bool tight = false;
    SizeAnswer sizes = SizeAnswer::Place;
    QString out;
    QStringList files;
};

// A second -o (or any option given twice) would silently overrule the first: the command
// line is refused instead. Answers the complaint, empty the first time.
QString Repeated(QStringList& seen, const GivenOption& option) {
    if (seen.contains(option.name))
        return QCoreApplication::translate("CommandLine", "Option répétée : %1")
            .arg(option.spelled);
    seen << option.name;
    return {};
}

CommandSyntax PackSyntax() {
    const QString notMultipleOf8 = QCoreApplication::translate(
        "CommandLine",
        "les fichiers dont les côtés ne sont pas multiples de 8, ou trop larges pour la texture");
    return {
        .usage = kPackUsage,
        .options =
            {ImportOption(),
             {QStringLiteral("free"),
              QCoreApplication::translate("CommandLine", "taille libre, celle de chaque fichier")},
             {QStringLiteral("max-width"),
              QCoreApplication::translate("CommandLine",
                                          "largeur maximale de la texture (512 par défaut)"),
              QStringLiteral("256|512")},
             {QStringLiteral("onto"),
              QCoreApplication::translate("CommandLine", "ajoute à cette texture"),
              QStringLiteral("PAGE")},
             {QStringLiteral("fill-right"),
              QCoreApplication::translate(
                  "CommandLine", "complète d'abord une texture étroite à droite (avec --onto)")},
             {QStringLiteral("tight"),
              QCoreApplication::translate("CommandLine",
                                          "replace au plus serré les éléments de PAGE (sa liste "
                                          "d'éléments), dans sa largeur")},
             {QStringLiteral("yes-to-all"),
              QCoreApplication::translate("CommandLine", "place (coupés s'il le faut) %1")
                  .arg(notMultipleOf8)},
             {QStringLiteral("no-to-all"),
              QCoreApplication::translate("CommandLine", "écarte %1").arg(notMultipleOf8)},
             {QStringLiteral("o"),
              QCoreApplication::translate("CommandLine", "texture à écrire (.tga ou .png)"),
              QCoreApplication::translate("CommandLine", "SORTIE")}},
        .unknownOption = kUnknownOption};
}

// Answers an error text, empty when the options are sound. The options are checked in the
// order given, so the first fault of the line is the one reported.
QString ParsePack(const QCommandLineParser& parser, PackOptions& o) {
    QStringList seen;
    for (const GivenOption& option : OptionsInOrder(parser)) {
        const QString& a = option.name;
        if (const QString twice = Repeated(seen, option); !twice.isEmpty()) return twice;
        if (a == QLatin1String("import")) {
            if (!option.value || !(o.import = ParseSize(*option.value)))
                return QCoreApplication::translate(
                    "CommandLine", "--import attend une taille LxH (par exemple 64x64)");
        } else if (a == QLatin1String("free")) {
            o.freeSize = true;
        } else if (a == QLatin1String("max-width")) {
            const QString v = option.value.value_or(QString());
            if (v != QLatin1String("256") && v != QLatin1String("512"))
                return QCoreApplication::translate("CommandLine", "--max-width attend 256 ou 512");
            o.maxWidth = v.toInt();
            o.maxWidthGiven = true;
        } else if (a == QLatin1String("onto")) {
            if (!option.value)
                return QCoreApplication::translate("CommandLine", "--onto attend une texture");
            o.onto = *option.value;
        } else if (a == QLatin1String("fill-right")) {
            o.fillRight = true;
        } else if (a == QLatin1String("tight")) {
            o.tight = true;
        } else if (a == QLatin1String("yes-to-all") || a == QLatin1String("no-to-all")) {
            const SizeAnswer s =
                a == QLatin1String("yes-to-all") ? SizeAnswer::YesToAll : SizeAnswer::NoToAll;
            if (o.sizes != SizeAnswer::Place && o.sizes != s)
                return QCoreApplication::translate("CommandLine",
                                                   "--yes-to-all et --no-to-all s'excluent");
            o.sizes = s;
        } else if (a == QLatin1String("o")) {
            if (!option.value)
                return QCoreApplication::translate("CommandLine", "-o attend le fichier de sortie");
            o.out = *option.value;
        }
    }
    o.files = parser.positionalArguments();
    if (o.tight && (o.import || o.freeSize || !o.onto.isEmpty() || o.fillRight ||
                    o.sizes != SizeAnswer::Place || o.maxWidthGiven))
        return QCoreApplication::translate("CommandLine",
                                           "--tight ne prend que -o SORTIE et la texture");
    if (o.tight && o.files.size() != 1)
        return QCoreApplication::translate("CommandLine",
                                           "--tight prend une texture, et une seule");
    if (o.import && o.freeSize)
        return QCoreApplication::translate("CommandLine", "--import et --free s'excluent");
    if (o.fillRight && o.onto.isEmpty())
        return QCoreApplication::translate("CommandLine", "--fill-right demande --onto");
    if (o.out.isEmpty())
        return QCoreApplication::translate("CommandLine", "Il manque -o SORTIE.tga");
    const QString suffix = QFileInfo(o.out).suffix().toLower();
    if (suffix != QLatin1String("tga") && suffix != QLatin1String("png"))
        return QCoreApplication::translate("CommandLine",
                                           "La sortie doit être un fichier .tga ou .png");
    if (o.files.isEmpty())
        return QCoreApplication::translate("CommandLine", "Aucun fichier à ajouter");
    return {};
}

bool IsPngPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
}

// Opens the page (and the atlas file beside it) as the program does, answering from the
// command line.
struct OpenedPage {
    texture::TexturePage page;
    AnsweringPrompts prompts;
    ImmediatePacer pacer;
    texture::QuietPageEvents events;
    texture::FixedWidth width{512};
    texture::PageFiles files{texture::PageContext{page, prompts, pacer, events}, width};

    OpenedPage(const QString& path, std::optional<QSize> import)
        : prompts({false, SizeAnswer::Place, path, std::nullopt}) {
        if (import) {
            page.importWidth = import->width();
            page.importHeight = import->height();
        }
        if (!files.openPage()) throw RefusedFile(path);
    }
};

// %1: the files.
constexpr platform::Text kTooWideRefused{QT_TRANSLATE_NOOP(
    "Tessella",
    "Trop larges pour la texture : %1\nRien n'a été écrit. --yes-to-all les incruste coupés, "
    "--no-to-all les écarte.")};

// pack --tight: the page's elements packed again within its width, saved to o.out.
int CompactCommand(const PackOptions& o) {
    OpenedPage opened(o.files.front(), std::nullopt);
    texture::TexturePage& page = opened.page;
    const int32_t height = page.pageHeight;
    opened.files.compactPage();
    opened.files.savePageFile(o.out);
    PrintOut(QCoreApplication::translate("CommandLine", "%1 : %2 x %3 (%4 avant), %5 élément(s)")
                 .arg(o.out)
                 .arg(page.pageWidth)
                 .arg(page.pageHeight)
                 .arg(height)
                 .arg(page.frames.size()));
    return kExitOk;
}

constexpr platform::Text kExportUsage{QT_TRANSLATE_NOOP(
    "Tessella",
    "Usage : tessella-cli export [--padding P] [--extrude E] [--max-size N] [--max-width L] "
    "[--pot] [--square] [--mip-levels N] [--normal-map [--strength S] [--directx]] "
    "[--bc1 | --bc3 | --bc5 | --rgb | --astc 4x4|6x6|8x8] [--quality fast|medium|thorough] "
    "[--threads N] [--no-trim] [--alpha-threshold A] [--no-bleed] [--premultiply] "
    "[--alpha-coverage T] -o ATLAS.(png|dds|ktx2) PAGE")};

// A whole number from 0 to most, or nothing.
std::optional<int32_t> ParseCount(const std::optional<QString>& text, int32_t most) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,7}$"));
    if (!text || !digits.match(*text).hasMatch()) return std::nullopt;
    const int32_t v = text->toInt();
    return v <= most ? std::optional(v) : std::nullopt;
}

CommandSyntax ExportSyntax() {
    return {
        .usage = kExportUsage,
        .options =
            {{QStringLiteral("padding"),
              QCoreApplication::translate("CommandLine",
                                          "pixels libres entre les éléments et aux bords (2 par "
                                          "défaut)"),
              QStringLiteral("P")},
             {QStringLiteral("extrude"),
              QCoreApplication::translate("CommandLine",
                                          "pixels du bord de chaque élément répétés autour (2 par "
                                          "défaut)"),
              QStringLiteral("E")},
             {QStringLiteral("max-size"),
              QCoreApplication::translate(
                  "CommandLine",
                  "chaque atlas tient dans N x N (4096 par défaut) ; au-delà, "
                  "plusieurs atlas"),
              QStringLiteral("N")},
             {QStringLiteral("max-width"),
              QCoreApplication::translate("CommandLine",
                                          "largeur maximale de l'atlas (N par défaut)"),
              QCoreApplication::translate("CommandLine", "L")},
             {QStringLiteral("pot"),
              QCoreApplication::translate("CommandLine", "côtés en puissances de deux")},
             {QStringLiteral("square"), QCoreApplication::translate("CommandLine", "atlas carré")},
             {QStringLiteral("mip-levels"),
              QCoreApplication::translate("CommandLine",
                                          "niveaux de mipmap sans mélange entre éléments (0 à 10)"),
              QStringLiteral("N")},
             {QStringLiteral("normal-map"),
              QCoreApplication::translate("CommandLine",
                                          "écrit aussi la carte de normales de l'atlas, ATLAS_n")},
             {QStringLiteral("strength"),
              QCoreApplication::translate(
                  "CommandLine",
                  "force du relief de la carte de normales (0,1 à 20 ; 2 par "
                  "défaut)"),
              QStringLiteral("S")},
             {QStringLiteral("directx"),
              QCoreApplication::translate(
                  "CommandLine", "carte de normales à la convention DirectX (vert inversé)")},
             {QStringLiteral("bc1"),
              QCoreApplication::translate("CommandLine", "blocs BC1 (.dds, .ktx2 ; par défaut)")},
             {QStringLiteral("bc3"),
              QCoreApplication::translate("CommandLine", "blocs BC3 (.dds, .ktx2)")},
             {QStringLiteral("bc5"),
              QCoreApplication::translate(
                  "CommandLine", "carte de normales en blocs BC5 (.dds, .ktx2 ; par défaut)")},
             {QStringLiteral("rgb"),
              QCoreApplication::translate("CommandLine", "pixels non compressés (.dds, .ktx2)")},
             {QStringLiteral("astc"),
              QCoreApplication::translate(
                  "CommandLine",
                  "blocs ASTC de 4x4, 6x6 ou 8x8 (.ktx2), la carte de normales "
                  "aussi"),
              QStringLiteral("NxN")},
             {QStringLiteral("quality"),
              QCoreApplication::translate("CommandLine",
                                          "recherche ASTC : fast, medium (par défaut) ou thorough"),
              QStringLiteral("Q")},
             {QStringLiteral("threads"),
              QCoreApplication::translate("CommandLine",
                                          "fils de calcul des blocs (par défaut : un par cœur)"),
              QStringLiteral("N")},
             {QStringLiteral("no-trim"),
              QCoreApplication::translate("CommandLine",
                                          "garde les marges transparentes des éléments")},
             {QStringLiteral("alpha-threshold"),
              QCoreApplication::translate(
                  "CommandLine", "rogne les texels d'alpha au plus A (0 à 255 ; 0 par défaut)"),
              QStringLiteral("A")},
             {QStringLiteral("no-bleed"),
              QCoreApplication::translate("CommandLine",
                                          "laisse les couleurs sous les texels transparents")},
             {QStringLiteral("premultiply"),
              QCoreApplication::translate("CommandLine", "couleurs multipliées par l'alpha")},
             {QStringLiteral("alpha-coverage"),
              QCoreApplication::translate(
                  "CommandLine",
                  "garde à chaque mipmap la part des texels d'alpha au moins T "
                  "(0,05 à 0,95 ; .dds, .ktx2)"),
              QStringLiteral("T")},
             {QStringLiteral("o"),
              QCoreApplication::translate("CommandLine",
                                          "atlas à écrire (.png, .dds ou .ktx2), avec son .json"),
              QStringLiteral("ATLAS")}},
        .unknownOption = kUnknownOption};
}

// A strength for the normal map within its bounds; nothing otherwise.
std::optional<double> ParseStrength(const std::optional<QString>& text) {
    const std::optional<double> v = text ? ParseDecimal(*text) : std::nullopt;
    if (!v || *v < editor::kMinNormalStrength || *v > editor::kMaxNormalStrength)
        return std::nullopt;
    return v;
}

// Reads export's options into settings and out; answers the complaint, empty when they are
// sound.
QString ParseExport(const QCommandLineParser& parser, texture::EngineAtlasSettings& settings,
                    QString& out) {
    QStringList seen;
    std::optional<int32_t> maxSize, maxWidth;
    std::optional<QString> blocks;
    bool normalOptions = false;
    for (const GivenOption& option : OptionsInOrder(parser)) {
        if (const QString twice = Repeated(seen, option); !twice.isEmpty()) return twice;
        const QString& a = option.name;
        if (a == QLatin1String("padding") || a == QLatin1String("extrude")) {
            const auto v = ParseCount(option.value, texture::kMaxEngineMargin);
            if (!v)
                return QCoreApplication::translate("CommandLine", "%1 attend un nombre de 0 à %2")
                    .arg(option.spelled)
                    .arg(texture::kMaxEngineMargin);
            (a == QLatin1String("padding") ? settings.padding : settings.extrude) = *v;
        } else if (a == QLatin1String("max-size") || a == QLatin1String("max-width")) {
            const auto v = ParseCount(option.value, static_cast<int32_t>(platform::kMaxImageSide));
            if (!v || *v < 1)
                return QCoreApplication::translate("CommandLine", "%1 attend une taille de 1 à %2")
                    .arg(option.spelled)
                    .arg(platform::kMaxImageSide);
            (a == QLatin1String("max-size") ? maxSize : maxWidth) = *v;
        } else if (a == QLatin1String("pot")) {
            settings.powerOfTwo = true;
        } else if (a == QLatin1String("square")) {
            settings.square = true;
        } else if (a == QLatin1String("mip-levels")) {
            const auto v = ParseCount(option.value, texture::kMaxEngineMipLevels);
            if (!v)
                return QCoreApplication::translate("CommandLine",
                                                   "--mip-levels attend un nombre de 0 à %1")
                    .arg(texture::kMaxEngineMipLevels);
            settings.mipLevels = *v;
        } else if (a == QLatin1String("normal-map")) {
            settings.normalMap = true;
        } else if (a == QLatin1String("strength")) {
            const auto v = ParseStrength(option.value);
            if (!v)
                return QCoreApplication::translate("CommandLine",
                                                   "--strength attend un nombre de 0,1 à 20");
            settings.normal.strength = *v;
            normalOptions = true;
        } else if (a == QLatin1String("directx")) {
            settings.normal.directX = normalOptions = true;
        } else if (a == QLatin1String("astc")) {
            const auto format = AstcBlockOption(option.value.value_or(QString()));
            if (!format) return kAstcValues;
            if (blocks) return kOneBlockFormat.arg(option.spelled);
            blocks = option.spelled;
            settings.gpuFormat = *format;
        } else if (a == QLatin1String("quality")) {
            const auto quality = QualityOption(option.value.value_or(QString()));
            if (!quality) return kQualityValues;
            settings.gpuQuality = *quality;
        } else if (a == QLatin1String("threads")) {
            const auto threads = ThreadsOption(option.value.value_or(QString()));
            if (!threads) return kThreadsValues;
            settings.gpuThreads = *threads;
        } else if (const auto format = BlockFormatOption(option.spelled)) {
            if (blocks) return kOneBlockFormat.arg(option.spelled);
            blocks = option.spelled;
            // BC5 is the normal map's own format; the colour atlas keeps BC1 then.
            if (*format != imagefile::GpuBlockFormat::Bc5) settings.gpuFormat = *format;
        } else if (a == QLatin1String("no-trim")) {
            settings.trim = false;
        } else if (a == QLatin1String("alpha-threshold")) {
            const auto v = ParseCount(option.value, texture::kMaxEngineAlphaThreshold);
            if (!v)
                return QCoreApplication::translate("CommandLine",
                                                   "--alpha-threshold attend un nombre de 0 à %1")
                    .arg(texture::kMaxEngineAlphaThreshold);
            settings.alphaThreshold = *v;
        } else if (a == QLatin1String("no-bleed")) {
            settings.bleed = false;
        } else if (a == QLatin1String("premultiply")) {
            settings.premultiply = true;
        } else if (a == QLatin1String("alpha-coverage")) {
            const std::optional<double> v =
                option.value ? ParseDecimal(*option.value) : std::nullopt;
            if (!v || *v < texture::kMinEngineAlphaCoverage ||
                *v > texture::kMaxEngineAlphaCoverage)
                return QCoreApplication::translate(
                    "CommandLine", "--alpha-coverage attend un nombre de 0,05 à 0,95");
            settings.alphaCoverage = *v;
        } else if (a == QLatin1String("o")) {
            if (!option.value)
                return QCoreApplication::translate("CommandLine", "-o attend l'atlas");
            out = *option.value;
        }
    }
    if (normalOptions && !settings.normalMap)
        return QCoreApplication::translate("CommandLine",
                                           "--strength et --directx vont avec --normal-map");
    if (blocks == QLatin1String("--bc5") && !settings.normalMap)
        return QCoreApplication::translate(
            "CommandLine",
            "--bc5 est le format de la carte de normales : il va avec "
            "--normal-map");
    // No block option: the atlas's alpha chooses BC3 or BC1.
    settings.gpuFormatChosen = blocks.has_value();
    settings.maxWidth = settings.maxHeight = maxSize.value_or(texture::kDefaultEngineMaxSize);
    // --max-width narrows the width only: the atlas stays within --max-size on both sides.
    if (maxWidth) settings.maxWidth = std::min(*maxWidth, settings.maxWidth);
    if (out.isEmpty()) return QCoreApplication::translate("CommandLine", "Il manque -o ATLAS.png");
    // An atlas comes with its mip chain and normal map, which a .astc file cannot hold.
    const bool gpu = imagefile::IsGpuTexturePath(out) &&
                     !out.endsWith(QLatin1String(".astc"), Qt::CaseInsensitive);
    if (!IsPngPath(out) && !gpu)
        return QCoreApplication::translate("CommandLine",
                                           "L'atlas doit être un fichier .png, .dds ou .ktx2");
    if (blocks && !gpu)
        return QCoreApplication::translate("CommandLine",
                                           "%1 ne vaut que pour un atlas .dds ou .ktx2")
            .arg(*blocks);
    // Coverage is kept level by level: a PNG has no levels.
    if (settings.alphaCoverage > 0 && !gpu)
        return QCoreApplication::translate(
            "CommandLine", "--alpha-coverage ne vaut que pour un atlas .dds ou .ktx2");
    if (!settings.trim && seen.contains(QStringLiteral("alpha-threshold")))
        return QCoreApplication::translate("CommandLine",
                                           "--alpha-threshold et --no-trim s'excluent");
    if (imagefile::IsAstcFormat(settings.gpuFormat) &&
        !out.endsWith(QLatin1String(".ktx2"), Qt::CaseInsensitive))
        return imagefile::kDdsHoldsNoAstc;
    return {};
}

}  // namespace

int ExportCommand(const QStringList& args) {
    QCommandLineParser parser;
    if (const auto stop = ParseCommandLine(parser, args, ExportSyntax())) return *stop;
    texture::EngineAtlasSettings settings;
    QString out;
    if (const QString why = ParseExport(parser, settings, out); !why.isEmpty())
        return UsageError(kExportUsage, why);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || positional[0].isEmpty())
        return UsageError(kExportUsage, QCoreApplication::translate(
                                            "CommandLine", "Il faut une texture, et une seule"));
    OpenedPage opened(positional[0], std::nullopt);
    if (opened.page.frames.empty() && !opened.page.atlasFault.isEmpty())
        throw platform::TessellaError(texture::kEngineAtlasDataRefused.arg(
            texture::AtlasPathFor(positional[0]), opened.page.atlasFault));
    if (opened.page.frames.empty())
        throw platform::TessellaError(
            QCoreApplication::translate("CommandLine",
                                        "Aucun élément à exporter : pas de liste d'éléments (%1)")
                .arg(texture::AtlasPathFor(positional[0])));
    const texture::EngineLayout layout = texture::WriteEngineAtlas(
        opened.page.pageBitmap, opened.page.frames, settings, out, positional[0]);
    const QStringList paths =
        texture::EngineSheetPaths(out, static_cast<int>(layout.sheets.size()));
    for (size_t i = 0; i < layout.sheets.size(); ++i)
        PrintOut(QCoreApplication::translate("CommandLine", "%1 : %2 x %3, %4 élément(s)%5")
                     .arg(paths[static_cast<qsizetype>(i)])
                     .arg(layout.sheets[i].size.width())
                     .arg(layout.sheets[i].size.height())
                     .arg(layout.sheets[i].cells.size())
                     .arg(settings.normalMap
                              ? QCoreApplication::translate("CommandLine", ", normales : ") +
                                    texture::NormalMapPathFor(paths[static_cast<qsizetype>(i)])
                              : QString()));
    return kExitOk;
}

int PackCommand(const QStringList& args) {
    QCommandLineParser parser;
    if (const auto stop = ParseCommandLine(parser, args, PackSyntax())) return *stop;
    PackOptions o;
    if (const QString why = ParsePack(parser, o); !why.isEmpty())
        return UsageError(kPackUsage, why);

    if (o.tight) return CompactCommand(o);

    texture::TexturePage page;
    AnsweringPrompts prompts({o.fillRight, o.sizes, o.onto, o.out});
    ImmediatePacer pacer;
    texture::QuietPageEvents events;
    const texture::PageContext context{page, prompts, pacer, events};
    texture::FixedWidth width(o.maxWidth);
    texture::PageFiles files(context, width);

    if (o.import) {
        page.importWidth = o.import->width();
        page.importHeight = o.import->height();
    }
    page.maxPageWidth = o.maxWidth;
    if (o.freeSize) {
        // As if the first file was previewed before free size was chosen.
        if (!imagefile::LoadImageByExtension(o.files.front(), page.sourcePicture))
            throw RefusedFile(o.files.front());
        texture::SourcePanel(context).importSizeChanged(texture::kFreeSizeEntry);
    }
    if (!o.onto.isEmpty()) {
        if (!files.openPage()) throw RefusedFile(o.onto);
    } else if (!files.newPage()) {
        throw platform::TessellaError(
            QCoreApplication::translate("CommandLine", "Texture non créée"));
    }

    std::vector<texture::SourceEntry> list;
    for (const QString& file : o.files) list.push_back({file, true});
    const texture::AddResult added = texture::PagePacker(context).addFiles(list);
    if (added.outcome == texture::AddOutcome::RefusedExtension)
        throw RefusedFile(added.refusedPath);
    // Without a standing answer, a source too wide is not dropped quietly: nothing is written.
    if (!added.leftOut.isEmpty() && o.sizes == SizeAnswer::Place) {
        PrintError(kTooWideRefused.arg(added.leftOut.join(QStringLiteral(", "))));
        return kExitFailure;
    }

    files.savePageFile(o.out);
    PrintOut(QCoreApplication::translate("CommandLine", "%1 : %2 x %3, %4 élément(s) ajouté(s)")
                 .arg(o.out)
                 .arg(page.pageWidth)
                 .arg(page.pageHeight)
                 .arg(added.placed));
    return kExitOk;
}

int ExtractCommand(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption names(
        QStringLiteral("names"),
        QCoreApplication::translate("CommandLine",
                                    "un fichier .png par élément nommé de la "
                                    "texture, dans DOSSIER"));
    if (const auto stop = ParseCommandLine(parser, args,
                                           {.usage = kExtractUsage,
                                            .options = {ImportOption(), names},
                                            .unknownOption = kUnknownOption}))
        return *stop;
    std::optional<QSize> import;
    bool byName = false;
    QStringList seen;
    for (const GivenOption& option : OptionsInOrder(parser)) {
        if (const QString twice = Repeated(seen, option); !twice.isEmpty())
            return UsageError(kExtractUsage, twice);
        if (option.name == QLatin1String("names")) {
            byName = true;
        } else if (!option.value || !(import = ParseSize(*option.value))) {
            return UsageError(kExtractUsage, QCoreApplication::translate(
                                                 "CommandLine", "--import attend une taille LxH"));
        }
    }
    if (byName && import)
        return UsageError(kExtractUsage, QCoreApplication::translate(
                                             "CommandLine", "--names et --import s'excluent"));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return UsageError(
            kExtractUsage,
            QCoreApplication::translate("CommandLine", "Il faut une texture et une destination"));
    // An empty destination would scatter 001.bmp, 002.bmp... over the current folder.
    if (positional[0].isEmpty() || positional[1].isEmpty())
        return UsageError(kExtractUsage,
                          QCoreApplication::translate("CommandLine",
                                                      "La texture et la destination ne peuvent "
                                                      "pas être vides"));

    OpenedPage opened(positional[0], import);
    if (byName) {
        const texture::NamedExtraction done = opened.files.extractByNames(positional[1], 0);
        for (const QString& name : done.refused)
            PrintError(
                QCoreApplication::translate("CommandLine", "Nom d'élément refusé : %1").arg(name));
        PrintOut(QCoreApplication::translate("CommandLine", "%1 élément(s) extrait(s)")
                     .arg(done.written));
        return done.refused.isEmpty() ? kExitOk : kExitFailure;
    }
    const QString destination = texture::WithExtension(
        positional[1], IsPngPath(positional[1]) ? QStringLiteral(".png") : QStringLiteral(".bmp"));
    const int count = opened.files.extractElements(destination, 0);
    PrintOut(QCoreApplication::translate("CommandLine", "%1 élément(s) extrait(s)").arg(count));
    return kExitOk;
}

}  // namespace tessella::cli
