// tessella-cli as users met it: compaction that would lose elements, limits that must hold,
// messages that must name the real fault, and the files an export leaves behind.

#include <QJsonArray>
#include <QtEndian>

#include "tests/texture/CliFixture.h"

namespace tessella::testing {
namespace {

class CliReports : public CliFixture {
  protected:
    // A page of count 64 x 64 elements packed from e.bmp: e.bmp, e-2.bmp, ...
    void packElements(const char* page, int count) {
        QString line = QStringLiteral("pack -o %1").arg(QLatin1String(page));
        for (int i = 0; i < count; ++i) line += QStringLiteral(" e.bmp");
        ASSERT_EQ(run(line.toLatin1().constData()), 0) << err.toStdString();
    }
    QSize atlasSize(const QString& json) const {
        const QJsonObject size =
            QJsonDocument::fromJson(read(json.toLatin1().constData()))["meta"]["size"].toObject();
        return QSize(size["w"].toInt(), size["h"].toInt());
    }
    QStringList files(const char* pattern) const {
        return QDir(dir.path()).entryList({QLatin1String(pattern)}, QDir::Files, QDir::Name);
    }
};

// Elements placed before the page's list (its .json deleted, then more added): compaction
// would drop them, so it refuses and names the first such pixel, a.bmp's corner.
TEST_F(CliReports, CompactionRefusesAPageWithElementsItsListDoesNotName) {
    bmp("a.bmp", 64, 64, Qt::red);
    bmp("b.bmp", 64, 64, Qt::green);
    bmp("x.bmp", 64, 64, Qt::blue);
    ASSERT_EQ(run("pack -o old.tga a.bmp b.bmp"), 0) << err.toStdString();
    ASSERT_TRUE(QFile::remove(dir.filePath("old.json")));
    ASSERT_EQ(run("pack --onto old.tga -o new.tga x.bmp"), 0) << err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(read("new.json"))["frames"].toObject().keys(),
              QStringList({"x.bmp"}));

    EXPECT_EQ(run("pack --tight -o t.tga new.tga"), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("hors des éléments de sa liste"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("le premier en 0, 0"))) << err.toStdString();
    EXPECT_FALSE(err.contains(QLatin1Char('\r')));
    EXPECT_FALSE(exists("t.tga"));
}

// Two 64 x 64 elements side by side in a 128-wide page are as compact as can be: said, and the
// page written as it was (same frames, same pixels).
TEST_F(CliReports, CompactingACompactPageSaysSoAndChangesNothing) {
    bmp("b.bmp", 64, 64, Qt::blue);
    ASSERT_EQ(run("pack -o mur.png e.bmp b.bmp"), 0) << err.toStdString();
    ASSERT_EQ(run("pack --tight -o t.png mur.png"), 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("déjà aussi compacte"))) << err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(read("t.json"))["frames"],
              QJsonDocument::fromJson(read("mur.json"))["frames"]);
    const QImage before(dir.filePath("mur.png")), after(dir.filePath("t.png"));
    EXPECT_EQ(after.convertToFormat(QImage::Format_RGB32),
              before.convertToFormat(QImage::Format_RGB32));
}

// Four 64 x 64 elements, a ring of 2 and a padding of 2: each needs 2 + 68 + 2 = 72 pixels, so
// a 140 limit takes one element per atlas. Exported again without the limit, one atlas holds
// them all: the three older pages and their normal maps go, a file that only looks like one
// of them stays.
TEST_F(CliReports, AnExportWithFewerPagesRemovesTheOlderPagesOfTheSameAtlas) {
    packElements("mur.png", 4);
    ASSERT_EQ(run("export --max-size 140 --normal-map -o at.png mur.png"), 0) << err.toStdString();
    ASSERT_EQ(files("at-*.json"), QStringList({"at-1.json", "at-2.json", "at-3.json"}));
    write("at-4.json", R"({"frames": {}, "meta": {"image": "at-4.png",
                           "related_multi_packs": ["autre.json"]}})");
    write("at-4.png", "not ours");

    ASSERT_EQ(run("export -o at.png mur.png"), 0) << err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(read("at.json"))["frames"].toObject().size(), 4);
    EXPECT_EQ(files("at-*"), QStringList({"at-4.json", "at-4.png"}));
    EXPECT_EQ(files("at_n*"), QStringList({"at_n.png"}));  // from the first export, not listed
    EXPECT_EQ(read("at-4.png"), "not ours");
}

// Sixteen elements of 72 x 72 with their room: about 290 wide as a square. --max-width narrows
// the width only; --max-size bounds both sides whatever --max-width says.
TEST_F(CliReports, MaxWidthNarrowsTheWidthAndMaxSizeBoundsBothSides) {
    packElements("mur.png", 16);
    ASSERT_EQ(run("export -o free.png mur.png"), 0) << err.toStdString();
    ASSERT_GT(atlasSize("free.json").width(), 256);  // so the limit below has work to do

    ASSERT_EQ(run("export --max-width 256 -o narrow.png mur.png"), 0) << err.toStdString();
    EXPECT_LE(QImage(dir.filePath("narrow.png")).width(), 256);
    EXPECT_EQ(files("narrow*.json"), QStringList({"narrow.json"}));

    const struct {
        const char* line;
        const char* pattern;
        int most;
    } rows[] = {
        {"export --max-size 200 --max-width 8192 -o big.png mur.png", "big*.json", 200},
        {"export --max-size 80 --max-width 300 -o small.png mur.png", "small*.json", 80},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        ASSERT_EQ(run(row.line), 0) << err.toStdString();
        ASSERT_FALSE(files(row.pattern).isEmpty());
        for (const QString& json : files(row.pattern)) {
            EXPECT_LE(atlasSize(json).width(), row.most) << json.toStdString();
            EXPECT_LE(atlasSize(json).height(), row.most) << json.toStdString();
        }
    }
}

// With powers of two, a 100 limit is 64: the 72 pixels one element needs do not fit, and the
// message says 64.
TEST_F(CliReports, PowerOfTwoRefusalStatesTheRealLimit) {
    packElements("one.png", 1);
    EXPECT_EQ(run("export --pot --max-size 100 -o a.png one.png"), 1);
    EXPECT_TRUE(
        err.contains(QStringLiteral("demande 72 x 72 pixels avec ses marges : l'atlas est "
                                    "limité à 64 x 64.\nRien n'a été écrit.")))
        << err.toStdString();
    EXPECT_FALSE(exists("a.png"));
}

// The usage text's bounds are inclusive: the bound itself passes the options (the export may
// still find the atlas too large, status 1), one past it is bad usage.
TEST_F(CliReports, EachOptionAcceptsItsUpperBound) {
    packElements("one.png", 1);
    const struct {
        const char* line;
        bool usage;
    } rows[] = {
        {"export --padding 256 -o a.png one.png", false},
        {"export --padding 257 -o a.png one.png", true},
        {"export --extrude 256 -o a.png one.png", false},
        {"export --extrude 257 -o a.png one.png", true},
        {"export --mip-levels 10 -o a.png one.png", false},
        {"export --max-size 1048576 -o a.png one.png", false},
        {"export --max-size 1048577 -o a.png one.png", true},
        {"export --max-width 1048576 -o a.png one.png", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(run(row.line) == 2, row.usage) << err.toStdString();
        EXPECT_EQ(err.contains(QLatin1String("Usage")), row.usage) << err.toStdString();
    }
}

// --mip-levels 2 without a ring: elements start on multiples of 4 after the padding. The
// padding 2 grows to 4, and the element keeps a clean 4-pixel step before it: at (8, 8). The GPU
// files hold the full picture and the two protected halvings, never the chain down to 1 x 1,
// whose small levels mix neighbours. DDS: dwMipMapCount at 28; KTX2: levelCount at 40.
TEST_F(CliReports, MipLevelsStepTheElementsAndBoundTheGpuLevels) {
    packElements("one.png", 1);
    ASSERT_EQ(run("export --extrude 0 --padding 2 --mip-levels 2 -o m.png one.png"), 0)
        << err.toStdString();
    EXPECT_EQ(frame("m.json", "e.bmp"), QJsonObject({{"x", 8}, {"y", 8}, {"w", 64}, {"h", 64}}));
    ASSERT_EQ(run("export --mip-levels 2 -o m.dds one.png"), 0) << err.toStdString();
    ASSERT_EQ(run("export --mip-levels 2 -o k.ktx2 one.png"), 0) << err.toStdString();
    const QByteArray dds = read("m.dds"), ktx = read("k.ktx2");
    ASSERT_GE(dds.size(), 128);
    ASSERT_GE(ktx.size(), 80);
    EXPECT_EQ(qFromLittleEndian<quint32>(dds.constData() + 28), 3u);
    EXPECT_EQ(qFromLittleEndian<quint32>(ktx.constData() + 40), 3u);
}

// The element list is the engine's key and extract's file names: a second "brique" takes a
// number when packed, and a list written before that still extracts both.
TEST_F(CliReports, PackedNamesAreUniqueByStemAndExtractWritesEveryElement) {
    bmp("brique.bmp", 64, 64, Qt::red);
    QImage blue(64, 64, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(dir.filePath("brique.png"), "PNG"));
    ASSERT_EQ(run("pack -o mur.png brique.png brique.bmp"), 0) << err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(read("mur.json"))["frames"].toObject().keys(),
              QStringList({"brique-2.bmp", "brique.png"}));
    ASSERT_EQ(run("extract --names mur.png el"), 0) << err.toStdString();
    EXPECT_EQ(QImage(dir.filePath("el/brique.png")).pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(QImage(dir.filePath("el/brique-2.png")).pixelColor(5, 5), QColor(Qt::red));

    write("mur.json", R"({"frames": {"brique.bmp": {"frame": {"x":64,"y":0,"w":64,"h":64}},
                            "brique.png": {"frame": {"x":0,"y":0,"w":64,"h":64}}}})");
    ASSERT_EQ(run("extract --names mur.png old"), 0) << err.toStdString();
    EXPECT_EQ(QDir(dir.filePath("old")).entryList(QDir::Files),
              QStringList({"brique-2.png", "brique.png"}));
}

// A list that does not fit its 128 x 64 page: the export names the frame and why, never "no
// list".
TEST_F(CliReports, ExportNamesTheFrameThatSpoilsTheList) {
    packElements("one.png", 1);
    write("one.json", R"({"frames": {"e.bmp": {"frame": {"x":96,"y":0,"w":64,"h":64}}}})");
    EXPECT_EQ(run("export -o a.png one.png"), 1);
    EXPECT_TRUE(
        err.contains(QStringLiteral("l'élément e.bmp (64 x 64 en 96, 0) sort de la "
                                    "texture (128 x 64)")))
        << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("pas de liste d'éléments")));

    // 32769 whole-page frames of 4096 pixels: one past 128 megapixels.
    QByteArray many = "{\"frames\": {";
    for (int i = 0; i < 32769; ++i)
        many += QStringLiteral("\"f%1\": {\"frame\": {\"x\":0,\"y\":0,\"w\":64,\"h\":64}},")
                    .arg(i, 5, 10, QLatin1Char('0'))
                    .toLatin1();
    many.chop(1);
    write("one.json", many + "}}");
    EXPECT_EQ(run("export -o a.png one.png"), 1);
    EXPECT_TRUE(
        err.contains(QStringLiteral("avec l'élément f32768, les éléments couvrent plus "
                                    "de 128 mégapixels")))
        << err.toStdString();
    EXPECT_FALSE(exists("a.png"));
}

// convert takes file names that start with dashes, but a word like an option that names no
// file is a mistyped option: said, with the bad-usage status.
TEST_F(CliReports, ConvertNamesAnUnknownOption) {
    EXPECT_EQ(run("convert e.bmp out.dds --bc7"), 2);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Option inconnue : --bc7\n"))) << err.toStdString();
    EXPECT_FALSE(exists("out.dds"));
    bmp("--odd.bmp", 8, 8, Qt::red);
    EXPECT_EQ(run("convert --odd.bmp out.tga"), 0) << err.toStdString();
}

// A 16384 x 16384 picture is over the program's 128 megapixels, whatever the reader: the
// header of a TGA, a PNG or a BMP, read for info or for a conversion, and a whole TGA (a sparse
// file of its full size) all get the same refusal, with the size, the limit and the file.
TEST_F(CliReports, EveryReaderRefusesAPictureOverTheLimitAlike) {
    // Uncompressed true colour, 16384 x 16384 (0x4000, little-endian), 24 bits.
    const QByteArray tga = QByteArray::fromHex("000002000000000000000000 0040 0040 1800");
    write("hdr.tga", tga);
    write("big.tga", tga);
    {
        QFile big(dir.filePath("big.tga"));
        ASSERT_TRUE(big.resize(18 + qint64{3} * 16384 * 16384));
    }
    // File header (size and pixel offset 54), then a 40-byte header: 16384 x 16384, 1 plane, 24
    // bits, the rest 0.
    write("hdr.bmp", QByteArray::fromHex("424d 36000000 00000000 36000000 28000000 00400000 "
                                         "00400000 0100 1800") +
                         QByteArray(24, '\0'));
    // Signature, then IHDR: 16384 x 16384, 8-bit RGB, with its CRC-32 over type and data.
    QByteArray ihdr = QByteArray("IHDR") + QByteArray::fromHex("00004000000040000802000000");
    quint32 crc = 0xffffffffu;
    for (const char c : ihdr) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xffffffffu;
    QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d") + ihdr;
    for (int i = 3; i >= 0; --i) png += char((crc >> (8 * i)) & 0xff);
    write("hdr.png", png);

    for (const char* file : {"hdr.tga", "big.tga", "hdr.bmp", "hdr.png"}) {
        for (const char* command : {"info", "convert"}) {
            const QString line =
                QStringLiteral("%1 %2%3").arg(QLatin1String(command), QLatin1String(file),
                                              QLatin1String(*command == 'c' ? " out.bmp" : ""));
            SCOPED_TRACE(line.toStdString());
            EXPECT_EQ(run(line.toLatin1().constData()), 1);
            EXPECT_EQ(err, QStringLiteral("Image trop grande : 16384 x 16384 pixels, au-delà de la "
                                          "limite du programme (128 mégapixels, 1048576 pixels de "
                                          "côté) (%1)\n")
                               .arg(QLatin1String(file)));
        }
    }
    EXPECT_FALSE(exists("out.bmp"));
}

}  // namespace
}  // namespace tessella::testing
