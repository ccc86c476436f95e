#include <QImage>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ImageLibrary.h"
#include "editor/Seamless.h"
#include "imagefile/ImageLoader.h"

namespace tessella::cli {

int InfoCommand(const QStringList& words) {
    const QString usage =
        QCoreApplication::translate("CommandLine", "Usage : tessella-cli info [--seams] FICHIER");
    const QCommandLineOption seams(
        QStringLiteral("seams"),
        QCoreApplication::translate("CommandLine",
                                    "Le raccord de l'élément répété, 1 : invisible"));
    CommandSyntax syntax = FilesOnly(usage);
    syntax.options = {seams};
    QCommandLineParser parser;
    if (const auto stop = ParseCommandLine(parser, words, syntax)) return *stop;
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) return UsageError(usage);
    if (parser.isSet(seams)) {
        pixels::WorkingPicture work;
        LoadWorkingPicture(args[0], work);
        PrintOut(QCoreApplication::translate("CommandLine", "Raccord : %1")
                     .arg(editor::SeamFigureText(editor::SeamFigure(work.image()))));
        return kExitOk;
    }
    // The header alone where it tells everything; otherwise the whole picture, which also
    // gives the refusals their messages.
    imagefile::PictureHeader header;
    if (!imagefile::ReadPictureHeader(args[0], header)) {
        QImage image;
        if (!imagefile::LoadImageByExtension(args[0], image, header.depth))
            LoadPicture(args[0]);  // throws
        header.width = image.width();
        header.height = image.height();
    }
    PrintOut(QStringLiteral("%1x%2 %3").arg(header.width).arg(header.height).arg(header.depth));
    return kExitOk;
}

}  // namespace tessella::cli
