// tessella-cli op: one element operation on a picture file, through the working pixel array.

#include <QCoreApplication>
#include <QLocale>
#include <any>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/PictureFiles.h"
#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "editor/NormalMap.h"
#include "editor/Resize.h"
#include "editor/Seamless.h"
#include "editor/Transparency.h"
#include "pixels/Blur.h"
#include "pixels/ColourOperations.h"
#include "pixels/WorkingPicture.h"
#include "platform/ColourValue.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::cli {

namespace {

using pixels::WorkingPicture;
using platform::ColourValue;

enum class Kind {
    Integer,       // a whole number between min and max
    Colour,        // RRGGBB in hexadecimal, red first
    ColourOrNone,  // the same, or "none"
    Picture,       // an image file, loaded by its extension
};

struct Argument {
    const char* name;  // as the usage writes it, translated at use
    Kind kind;
    int min = 0;
    int max = 0;
};

// An option of one operation, given after its name: a switch, or one with a decimal value
// between min and max ("2.5" or "2,5").
struct OperationOption {
    const char* name;       // with its dashes: "--strength"
    const char* valueName;  // nullptr for a switch
    double min = 0;
    double max = 0;
    double byDefault = 0;
    bool whole = false;  // the value is a whole number
};

// The arguments in the order given; colours and pictures in their own slots.
struct Values {
    std::vector<int> numbers;
    std::optional<ColourValue> colour;
    std::any texture;  // the emboss texture, loaded by ImageLibrary()
    // One per option of the operation, in its order: the value given, or the default; a
    // switch is 1 when given.
    std::vector<double> options;
};

struct Operation {
    const char* name;
    std::vector<Argument> arguments;
    void (*run)(WorkingPicture&, const Values&);
    // A move that the output can be written with straight from the loaded rows, without run.
    std::optional<editor::Move> move = std::nullopt;
    std::vector<OperationOption> options = {};
    // The arguments from this one on may be left out together; they then take these values.
    std::size_t optionalFrom = SIZE_MAX;
    std::vector<int> defaults = {};
};

// A colour as three whole numbers, red first.
const std::vector<Argument> kRgbArguments = {
    {QT_TRANSLATE_NOOP("CommandLine", "ROUGE"), Kind::Integer, 0, 255},
    {QT_TRANSLATE_NOOP("CommandLine", "VERT"), Kind::Integer, 0, 255},
    {QT_TRANSLATE_NOOP("CommandLine", "BLEU"), Kind::Integer, 0, 255}};

ColourValue ColourOfNumbers(const Values& v) {
    return ColourValue::fromRgb(static_cast<uint8_t>(v.numbers[0]),
                                static_cast<uint8_t>(v.numbers[1]),
                                static_cast<uint8_t>(v.numbers[2]));
}

// An operation without arguments that calls fn with one fixed choice.
template <auto fn, auto choice>
void WithChoice(WorkingPicture& work, const Values&) {
    fn(work, choice);
}

const std::vector<Operation>& Operations() {
    using namespace editor;
    static const std::vector<Operation> table = {
        {"rotate-left",
         {},
         WithChoice<RotateQuarter, Turn::CounterClockwise>,
         Move::TurnCounterClockwise},
        {"rotate-right", {}, WithChoice<RotateQuarter, Turn::Clockwise>, Move::TurnClockwise},
        {"mirror", {}, [](WorkingPicture& w, const Values&) { MirrorHorizontal(w); }, Move::Mirror},
        {"flip", {}, [](WorkingPicture& w, const Values&) { FlipVertical(w); }, Move::Flip},
        {"symmetry2", {}, WithChoice<MakeSymmetric, Symmetry::TwoFaces>},
        {"symmetry4", {}, WithChoice<MakeSymmetric, Symmetry::FourFaces>},
        {"double-width", {}, WithChoice<DoubleTile, TileDirection::Right>},
        {"double-height", {}, WithChoice<DoubleTile, TileDirection::Down>},
        {"swap-rb", {}, WithChoice<ApplyChannelOperation, ChannelOperation::SwapRedBlue>},
        {"swap-gb", {}, WithChoice<ApplyChannelOperation, ChannelOperation::SwapGreenBlue>},
        {"swap-rg", {}, WithChoice<ApplyChannelOperation, ChannelOperation::SwapRedGreen>},
        {"grey", {}, WithChoice<ApplyChannelOperation, ChannelOperation::Grey>},
        {"negative", {}, WithChoice<ApplyChannelOperation, ChannelOperation::Negative>},
        {"fuse-rb", {}, WithChoice<FuseChannels, ChannelPair::RedBlue>},
        {"fuse-gb", {}, WithChoice<FuseChannels, ChannelPair::GreenBlue>},
        {"fuse-rg", {}, WithChoice<FuseChannels, ChannelPair::RedGreen>},
        {"veil",
         {{"RRGGBB", Kind::Colour}},
         [](WorkingPicture& w, const Values& v) { AddVeil(w, *v.colour); }},
        {"sharpen", {}, WithChoice<SharpenSoften, Sharpness::Sharpen>},
        {"soften", {}, WithChoice<SharpenSoften, Sharpness::Soften>},
        {"blur",
         {{QT_TRANSLATE_NOOP("CommandLine", "VARIANTE"), Kind::Integer, 0, 8}},
         [](WorkingPicture& w, const Values& v) {
             pixels::Blur(w.image(), pixels::BlurVariantFromIndex(v.numbers[0]));
         }},
        {"rgb",
         {{QT_TRANSLATE_NOOP("CommandLine", "ROUGE"), Kind::Integer, 0, 200},
          {QT_TRANSLATE_NOOP("CommandLine", "VERT"), Kind::Integer, 0, 200},
          {QT_TRANSLATE_NOOP("CommandLine", "BLEU"), Kind::Integer, 0, 200},
          {QT_TRANSLATE_NOOP("CommandLine", "DIRECTION"), Kind::Integer, 0, 8}},
         [](WorkingPicture& w, const Values& v) {
             pixels::RgbCorrection(w.image(), w.image(), w.width(), w.height(), v.numbers[0],
                                   v.numbers[1], v.numbers[2],
                                   pixels::RgbDirectionFromIndex(v.numbers[3]));
         }},
        {"contrast",
         {{QT_TRANSLATE_NOOP("CommandLine", "QUANTITE"), Kind::Integer, -200, 200}},
         [](WorkingPicture& w, const Values& v) {
             pixels::Contrast(w.image(), w.image(), w.width(), w.height(), 127, v.numbers[0]);
         }},
        {"emboss",
         {{QT_TRANSLATE_NOOP("CommandLine", "SEUIL"), Kind::Integer, 100, 255},
          {QT_TRANSLATE_NOOP("CommandLine", "MODE"), Kind::Integer, 1, 2},
          {QT_TRANSLATE_NOOP("CommandLine", "SATURATION"), Kind::Integer, 1, 255},
          {QT_TRANSLATE_NOOP("CommandLine", "COULEUR"), Kind::ColourOrNone}},
         [](WorkingPicture& w, const Values& v) {
             pixels::EmbossSettings settings;
             settings.threshold = v.numbers[0];
             settings.mode =
                 v.numbers[1] == 2 ? pixels::EmbossMode::StrongInverted : pixels::EmbossMode::Plain;
             settings.saturation = v.numbers[2];
             settings.colour = v.colour;
             ImageLibrary().emboss(w, settings, {});
         }},
        {"emboss-texture",
         {{QT_TRANSLATE_NOOP("CommandLine", "SEUIL"), Kind::Integer, 100, 255},
          {QT_TRANSLATE_NOOP("CommandLine", "TEXTURE"), Kind::Picture}},
         [](WorkingPicture& w, const Values& v) {
             pixels::EmbossSettings settings;
             settings.threshold = v.numbers[0];
             settings.textured = true;
             ImageLibrary().emboss(w, settings, v.texture);
         }},
        {"resize",
         {{QT_TRANSLATE_NOOP("CommandLine", "LARGEUR"), Kind::Integer, 1,
           static_cast<int>(platform::kMaxImageSide)},
          {QT_TRANSLATE_NOOP("CommandLine", "HAUTEUR"), Kind::Integer, 1,
           static_cast<int>(platform::kMaxImageSide)}},
         [](WorkingPicture& w, const Values& v) { ResizeNearest(w, v.numbers[0], v.numbers[1]); }},
        // Any amount: the picture wraps around; negative values move left and up.
        {"offset",
         {{"DX", Kind::Integer, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()},
          {"DY", Kind::Integer, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}},
         [](WorkingPicture& w, const Values& v) { OffsetWrap(w, v.numbers[0], v.numbers[1]); }},
        {"make-tileable",
         {{QT_TRANSLATE_NOOP("CommandLine", "BANDE"), Kind::Integer, 1,
           static_cast<int>(platform::kMaxImageSide)}},
         [](WorkingPicture& w, const Values& v) { MakeTileable(w, v.numbers[0]); }},
        {"normal-map",
         {},
         [](WorkingPicture& w, const Values& v) {
             MakeNormalMap(w.image(), w.image(), {v.options[0], v.options[1] != 0});
         },
         std::nullopt,
         {{"--strength", "S", kMinNormalStrength, kMaxNormalStrength, NormalMapSettings{}.strength},
          {"--directx", nullptr}}},
        // Texels near the colour become transparent, keeping their colours.
        {"color-key",
         kRgbArguments,
         [](WorkingPicture& w, const Values& v) {
             MakeColourTransparent(w, ColourOfNumbers(v), static_cast<int>(v.options[0]));
         },
         std::nullopt,
         {{"--tolerance", "T", 0, kMaxKeyTolerance, 0, true}}},
        // Blended over the colour (white when none is given); the alpha goes.
        {"flatten",
         kRgbArguments,
         [](WorkingPicture& w, const Values& v) { FlattenOnto(w, ColourOfNumbers(v)); },
         std::nullopt,
         {},
         0,
         {255, 255, 255}},
    };
    return table;
}

QString NameOf(const Argument& a) {
    return QCoreApplication::translate("CommandLine", a.name);
}

QString UsageLine(const Operation& op) {
    QString line = QStringLiteral("tessella-cli op ") + QLatin1String(op.name);
    for (const OperationOption& o : op.options)
        line += QStringLiteral(" [%1%2]").arg(
            QLatin1String(o.name),
            o.valueName ? QStringLiteral(" ") + QLatin1String(o.valueName) : QString());
    for (std::size_t i = 0; i < op.arguments.size(); ++i) {
        if (i == op.optionalFrom) line += QStringLiteral(" [");
        line += (i == op.optionalFrom ? QString() : QStringLiteral(" ")) + NameOf(op.arguments[i]);
    }
    if (op.optionalFrom < op.arguments.size()) line += QLatin1Char(']');
    return line + QLatin1Char(' ') +
           QCoreApplication::translate("CommandLine", "ENTREE SORTIE.(bmp|tga|png)");
}

QString UsageText() {
    QString text = QCoreApplication::translate("CommandLine", "Usage :");
    for (const Operation& op : Operations()) text += QStringLiteral("\n  ") + UsageLine(op);
    return text;
}

std::optional<ColourValue> ParseHexColour(const QString& text) {
    if (text.size() != 6) return std::nullopt;
    for (QChar c : text)
        if (!isxdigit(c.toLatin1())) return std::nullopt;
    const uint value = text.toUInt(nullptr, 16);
    return ColourValue::fromRgb(static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
                                static_cast<uint8_t>(value));
}

// Checks one argument into values; answers the French complaint, empty when it is valid.
// Pictures are only noted here: they are loaded once every argument has passed.
QString Parse(const Argument& a, const QString& text, Values& values) {
    switch (a.kind) {
        case Kind::Integer: {
            bool ok = false;
            const int n = text.toInt(&ok);
            if (!ok)
                return QCoreApplication::translate("CommandLine",
                                                   "%1 : nombre entier attendu, et non « %2 »")
                    .arg(NameOf(a), text);
            if (n < a.min || n > a.max)
                return QCoreApplication::translate(
                           "CommandLine", "%1 : valeur hors limites (%2), attendu de %3 à %4")
                    .arg(NameOf(a))
                    .arg(n)
                    .arg(a.min)
                    .arg(a.max);
            values.numbers.push_back(n);
            return {};
        }
        case Kind::ColourOrNone:
            if (text == QLatin1String("none")) return {};
            [[fallthrough]];
        case Kind::Colour:
            values.colour = ParseHexColour(text);
            if (!values.colour)
                return QCoreApplication::translate(
                           "CommandLine",
                           "%1 : couleur hexadécimale attendue (RRGGBB, rouge en premier)%2, et "
                           "non « %3 »")
                    .arg(NameOf(a),
                         a.kind == Kind::ColourOrNone
                             ? QCoreApplication::translate("CommandLine", " ou none")
                             : QString(),
                         text);
            return {};
        case Kind::Picture:
            return {};
    }
    return {};
}

// Takes the operation's options out of words (the words after its name; "--" ends them) into
// values.options; answers the French complaint, empty when they are valid.
QString TakeOptions(const Operation& op, QStringList& words, Values& values) {
    for (const OperationOption& o : op.options) values.options.push_back(o.byDefault);
    for (qsizetype i = 0; i < words.size();) {
        if (words[i] == QLatin1String("--")) {
            words.removeAt(i);
            break;
        }
        std::size_t index = 0;
        while (index < op.options.size() && words[i] != QLatin1String(op.options[index].name))
            ++index;
        if (index == op.options.size()) {
            ++i;
            continue;
        }
        const OperationOption& o = op.options[index];
        words.removeAt(i);
        if (!o.valueName) {
            values.options[index] = 1;
            continue;
        }
        const QString name = QLatin1String(o.name);
        if (i == words.size())
            return QCoreApplication::translate("CommandLine", "%1 : valeur attendue").arg(name);
        const QString text = words.takeAt(i);
        const std::optional<double> value = ParseDecimal(text);
        if (!value || (o.whole && *value != std::floor(*value)))
            return QCoreApplication::translate("CommandLine", "%1 : %2, et non « %3 »")
                .arg(name,
                     o.whole ? QCoreApplication::translate("CommandLine", "nombre entier attendu")
                             : QCoreApplication::translate("CommandLine", "nombre attendu"),
                     text);
        // The bounds as the language writes numbers ("0,1" or "0.1").
        const QLocale locale;
        if (*value < o.min || *value > o.max)
            return QCoreApplication::translate("CommandLine",
                                               "%1 : valeur hors limites (%2), attendu de %3 à %4")
                .arg(name, text, locale.toString(o.min), locale.toString(o.max));
        values.options[index] = *value;
    }
    return {};
}

}  // namespace

int OpCommand(const QStringList& words) {
    // Options end at the operation's name: its arguments may be negative numbers (contrast -50)
    // and its files may start with a dash, all read here in order.
    QCommandLineParser parser;
    const QString unknown = QCoreApplication::translate("CommandLine", "Opération inconnue : %1");
    const CommandSyntax syntax{
        .usage = UsageText(), .unknownOption = unknown, .optionsBeforeArgumentsOnly = true};
    if (const auto stop = ParseCommandLine(parser, words, syntax)) return *stop;
    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) return UsageError(UsageText());
    const Operation* op = nullptr;
    for (const Operation& candidate : Operations())
        if (args[0] == QLatin1String(candidate.name)) op = &candidate;
    if (!op) return UsageError(UsageText(), unknown.arg(args[0]));
    Values values;
    if (!op->options.empty()) {
        QStringList words = args.mid(1);
        const QString complaint = TakeOptions(*op, words, values);
        if (!complaint.isEmpty()) {
            PrintError(complaint);
            PrintError(
                QCoreApplication::translate("CommandLine", "Usage : %1").arg(UsageLine(*op)));
            return kExitUsage;
        }
        args = QStringList{args[0]} + words;
    }
    qsizetype count = static_cast<qsizetype>(op->arguments.size());
    const bool defaulted = op->optionalFrom < op->arguments.size() &&
                           args.size() == static_cast<qsizetype>(op->optionalFrom) + 3;
    if (defaulted) count = static_cast<qsizetype>(op->optionalFrom);
    if (args.size() != count + 3) {
        PrintError(QCoreApplication::translate("CommandLine", "Usage : %1").arg(UsageLine(*op)));
        return kExitUsage;
    }
    const QString& input = args[count + 1];
    const QString& output = args[count + 2];
    if (!IsPictureOutput(output)) {
        PrintError(QCoreApplication::translate(
                       "CommandLine", "SORTIE : extension .bmp, .tga ou .png attendue (%1)")
                       .arg(output));
        return kExitUsage;
    }
    for (qsizetype i = 0; i < count; ++i) {
        const QString complaint = Parse(op->arguments[i], args[i + 1], values);
        if (!complaint.isEmpty()) {
            PrintError(complaint);
            return kExitUsage;
        }
    }
    if (defaulted)
        values.numbers.insert(values.numbers.end(), op->defaults.begin(), op->defaults.end());
    for (qsizetype i = 0; i < count; ++i)
        if (op->arguments[i].kind == Kind::Picture)
            values.texture = ImageLibrary().loadTexture(args[i + 1]);

    // One picture buffer from file to file: the rows are read in, worked on in place (or in the
    // kept scratch array) and written out. A move is made row by row as the writer asks, which
    // spares a full pass over the picture (and for a turn, a second full-size array).
    WorkingPicture work;
    LoadWorkingPicture(input, work);
    if (op->move) {
        editor::MovedRows moved(work.image(), *op->move);
        imagefile::BgrRows rows{moved.width(), moved.height(), 0, 0,
                                [&moved](int y) { return moved.row(y); }};
        // The alpha rows move alike: a file written without them would lose the transparency.
        if (work.image().hasAlpha()) rows.alpha = [&moved](int y) { return moved.alphaRow(y); };
        WritePicture(rows, work, output);
        return kExitOk;
    }
    op->run(work, values);
    WritePicture(work, output);
    return kExitOk;
}

}  // namespace tessella::cli
