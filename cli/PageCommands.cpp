// tessella-cli pack and extract: the page commands of the main window, answered from options.

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>

#include "cli/AnsweringPrompts.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "imagefile/ImageLoader.h"
#include "platform/Error.h"
#include "platform/SafeFile.h"
#include "texture/AtlasData.h"
#include "texture/PageContext.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/PageTexts.h"
#include "texture/QuietPageEvents.h"
#include "texture/SourcePanel.h"

namespace tessella::cli {

namespace {

const QString kPackUsage = QStringLiteral(
    "Usage : tessella-cli pack [--import LxH | --free] [--max-width 256|512] "
    "[--onto PAGE [--fill-right]] [--yes-to-all | --no-to-all] -o SORTIE.(tga|png) FICHIER...");
const QString kExtractUsage = QStringLiteral(
    "Usage : tessella-cli extract [--import LxH] PAGE DEST.(bmp|png)\n"
    "        tessella-cli extract --names PAGE DOSSIER");
const QString kUnknownOption = QStringLiteral("Option inconnue : %1");

QCommandLineOption ImportOption() {
    return {QStringLiteral("import"), QStringLiteral("taille des éléments (64x64 par défaut)"),
            QStringLiteral("LxH")};
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
        QStringLiteral("Format d'image non reconnu (extension refusée) : %1").arg(path));
}

struct PackOptions {
    std::optional<QSize> import;
    bool freeSize = false;
    int32_t maxWidth = 512;
    QString onto;
    bool fillRight = false;
    SizeAnswer sizes = SizeAnswer::Place;
    QString out;
    QStringList files;
};

// A second -o (or any option given twice) would silently overrule the first: the command
// line is refused instead. Answers the complaint, empty the first time.
QString Repeated(QStringList& seen, const GivenOption& option) {
    if (seen.contains(option.name))
        return QStringLiteral("Option répétée : %1").arg(option.spelled);
    seen << option.name;
    return {};
}

CommandSyntax PackSyntax() {
    const QString notMultipleOf8 =
        QStringLiteral("les fichiers dont les côtés ne sont pas multiples de 8");
    return {
        .usage = kPackUsage,
        .options = {ImportOption(),
                    {QStringLiteral("free"),
                     QStringLiteral("taille libre, celle de chaque fichier")},
                    {QStringLiteral("max-width"),
                     QStringLiteral("largeur maximale de la texture (512 par défaut)"),
                     QStringLiteral("256|512")},
                    {QStringLiteral("onto"), QStringLiteral("ajoute à cette texture"),
                     QStringLiteral("PAGE")},
                    {QStringLiteral("fill-right"),
                     QStringLiteral("complète d'abord une texture étroite à droite (avec --onto)")},
                    {QStringLiteral("yes-to-all"), QStringLiteral("place ") + notMultipleOf8},
                    {QStringLiteral("no-to-all"), QStringLiteral("écarte ") + notMultipleOf8},
                    {QStringLiteral("o"), QStringLiteral("texture à écrire (.tga ou .png)"),
                     QStringLiteral("SORTIE")}},
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
                return QStringLiteral("--import attend une taille LxH (par exemple 64x64)");
        } else if (a == QLatin1String("free")) {
            o.freeSize = true;
        } else if (a == QLatin1String("max-width")) {
            const QString v = option.value.value_or(QString());
            if (v != QLatin1String("256") && v != QLatin1String("512"))
                return QStringLiteral("--max-width attend 256 ou 512");
            o.maxWidth = v.toInt();
        } else if (a == QLatin1String("onto")) {
            if (!option.value) return QStringLiteral("--onto attend une texture");
            o.onto = *option.value;
        } else if (a == QLatin1String("fill-right")) {
            o.fillRight = true;
        } else if (a == QLatin1String("yes-to-all") || a == QLatin1String("no-to-all")) {
            const SizeAnswer s =
                a == QLatin1String("yes-to-all") ? SizeAnswer::YesToAll : SizeAnswer::NoToAll;
            if (o.sizes != SizeAnswer::Place && o.sizes != s)
                return QStringLiteral("--yes-to-all et --no-to-all s'excluent");
            o.sizes = s;
        } else if (a == QLatin1String("o")) {
            if (!option.value) return QStringLiteral("-o attend le fichier de sortie");
            o.out = *option.value;
        }
    }
    o.files = parser.positionalArguments();
    if (o.import && o.freeSize) return QStringLiteral("--import et --free s'excluent");
    if (o.fillRight && o.onto.isEmpty()) return QStringLiteral("--fill-right demande --onto");
    if (o.out.isEmpty()) return QStringLiteral("Il manque -o SORTIE.tga");
    const QString suffix = QFileInfo(o.out).suffix().toLower();
    if (suffix != QLatin1String("tga") && suffix != QLatin1String("png"))
        return QStringLiteral("La sortie doit être un fichier .tga ou .png");
    if (o.files.isEmpty()) return QStringLiteral("Aucun fichier à ajouter");
    return {};
}

bool IsPngPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
}

// Each frame of the page's atlas as FOLDER/<name>.png. A name that would leave the folder, or
// that another frame's file already took, is refused with a message and the rest are written;
// a folder that cannot take the files stops everything before the first is written.
int ExtractByName(const texture::TexturePage& page, const QString& pagePath,
                  const QString& folder) {
    if (page.frames.empty())
        throw platform::TessellaError(
            QStringLiteral("Aucun élément nommé : pas de liste d'éléments (%1)")
                .arg(texture::AtlasPathFor(pagePath)));
    const QFileInfo place(folder);
    if (!QDir().mkpath(folder) || !place.isDir() || !QFileInfo(folder).isWritable())
        throw platform::TessellaError(
            QStringLiteral("Impossible d'écrire dans le dossier %1").arg(folder));
    int written = 0, refused = 0;
    QStringList taken;
    platform::SyncedBatch batch;
    for (const texture::AtlasFrame& frame : page.frames) {
        const std::optional<QString> file = texture::ElementPathForName(folder, frame.name);
        if (!file || taken.contains(*file)) {
            PrintError(QStringLiteral("Nom d'élément refusé : %1").arg(frame.name));
            ++refused;
            continue;
        }
        taken << *file;
        const QRect& r = frame.rect;
        texture::WriteElementFile(*file, page.pageBitmap.copy(r.x(), r.y(), r.width(), r.height()));
        ++written;
    }
    batch.finish();
    PrintOut(QStringLiteral("%1 élément(s) extrait(s)").arg(written));
    return refused > 0 ? kExitFailure : kExitOk;
}

}  // namespace

int PackCommand(const QStringList& args) {
    QCommandLineParser parser;
    if (const auto stop = ParseCommandLine(parser, args, PackSyntax())) return *stop;
    PackOptions o;
    if (const QString why = ParsePack(parser, o); !why.isEmpty())
        return UsageError(kPackUsage, why);

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
        throw platform::TessellaError(QStringLiteral("Texture non créée"));
    }

    std::vector<texture::SourceEntry> list;
    for (const QString& file : o.files) list.push_back({file, true});
    const texture::AddResult added = texture::PagePacker(context).addFiles(list);
    if (added.outcome == texture::AddOutcome::RefusedExtension)
        throw RefusedFile(added.refusedPath);

    files.savePageFile(o.out);
    PrintOut(QStringLiteral("%1 : %2 x %3, %4 élément(s) ajouté(s)")
                 .arg(o.out)
                 .arg(page.pageWidth)
                 .arg(page.pageHeight)
                 .arg(added.placed));
    return kExitOk;
}

int ExtractCommand(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption names(QStringLiteral("names"),
                                   QStringLiteral("un fichier .png par élément nommé de la "
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
            return UsageError(kExtractUsage, QStringLiteral("--import attend une taille LxH"));
        }
    }
    if (byName && import)
        return UsageError(kExtractUsage, QStringLiteral("--names et --import s'excluent"));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return UsageError(kExtractUsage, QStringLiteral("Il faut une texture et une destination"));
    // An empty destination would scatter 001.bmp, 002.bmp... over the current folder.
    if (positional[0].isEmpty() || positional[1].isEmpty())
        return UsageError(kExtractUsage, QStringLiteral("La texture et la destination ne peuvent "
                                                        "pas être vides"));

    texture::TexturePage page;
    AnsweringPrompts prompts({false, SizeAnswer::Place, positional[0], std::nullopt});
    ImmediatePacer pacer;
    texture::QuietPageEvents events;
    const texture::PageContext context{page, prompts, pacer, events};
    texture::FixedWidth width(512);
    texture::PageFiles files(context, width);
    if (import) {
        page.importWidth = import->width();
        page.importHeight = import->height();
    }
    if (!files.openPage()) throw RefusedFile(positional[0]);
    if (byName) return ExtractByName(page, positional[0], positional[1]);
    const QString destination = texture::WithExtension(
        positional[1], IsPngPath(positional[1]) ? QStringLiteral(".png") : QStringLiteral(".bmp"));
    const int count = files.extractElements(destination, 0);
    PrintOut(QStringLiteral("%1 élément(s) extrait(s)").arg(count));
    return kExitOk;
}

}  // namespace tessella::cli
