// tessella-cli pack, extract, convert and export, run as a separate process in a temporary
// folder: one case per command and what only the command line does.

#include "tests/texture/CliFixture.h"
#include "tests/texture/Sprites.h"

namespace {

using Cli = tessella::testing::CliFixture;

// Size from the 18-byte header and the colour of one pixel (rows top first, blue-green-red).
TEST_F(Cli, PackOptionsDecideThePageAndTheAnswers) {
    const struct {
        const char* line;
        int w, h;
        QPoint red;           // (-1, -1): no red element on the page
        const char* leftOut;  // the file said to be left out as too wide, if any
    } rows[] = {
        {"pack --onto haute.bmp --fill-right -o o.tga e.bmp", 128, 256, {64, 0}, ""},
        {"pack --no-to-all -o o.tga odd.bmp e.bmp", 128, 64, {0, 0}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        ASSERT_EQ(run(row.line), 0) << err.toStdString();
        const QByteArray b = read("o.tga");
        ASSERT_EQ(b.size(), 18 + 3 * row.w * row.h);
        EXPECT_EQ(QSize(uchar(b[12]) | (uchar(b[13]) << 8), uchar(b[14]) | (uchar(b[15]) << 8)),
                  QSize(row.w, row.h));
        if (row.red.x() >= 0) {
            const qsizetype at = 18 + (qsizetype(row.red.y()) * row.w + row.red.x()) * 3;
            EXPECT_EQ(b.mid(at, 3).toHex(), QByteArray("0000ff"));
        }
        EXPECT_EQ(err.contains(QLatin1String("trop larges")), *row.leftOut != 0);
        EXPECT_TRUE(err.contains(QLatin1String(row.leftOut)));
    }
}

// Bad usage (status 2) prints the command's usage line; options may come after the files.
TEST_F(Cli, ExitStatusAnswersAndFilesLeft) {
    const struct {
        const char* line;
        int exitCode;
        const char* inError;
        const char* inOutput = "";
        const char* made = "";           // a file that must exist afterwards, or ""
        const char* absent = "out.tga";  // one that must not, or ""
    } rows[] = {
        {"pack -o out.tga e.bmp e.rgba", 1, "e.rgba"},
        {"pack -o a.tga -o out.tga e.bmp", 2, "Option répétée : -o"},
        {"extract page.bmp ", 2, "vides", "", "", "001.bmp"},  // an empty destination
        {"pack --bogus -o out.tga e.bmp", 2, "Option inconnue : --bogus"},
        {"pack e.bmp -o out.tga --max-width 256 e.bmp", 0, "", "2 élément(s) ajouté(s)", "out.tga",
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(run(row.line), row.exitCode);
        EXPECT_TRUE(out.contains(QString::fromUtf8(row.inOutput))) << out.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(row.inError))) << err.toStdString();
        EXPECT_EQ(err.isEmpty(), row.exitCode == 0) << err.toStdString();
        EXPECT_EQ(err.contains(QLatin1String("Usage")), row.exitCode == 2);
        EXPECT_TRUE(!*row.made || exists(row.made));
        EXPECT_TRUE(!*row.absent || !exists(row.absent)) << row.absent;
    }
}

// The atlas file beside the page: written by pack, read back by --onto and extract --names.
TEST_F(Cli, PackWritesTheAtlasAndExtractByNameReadsIt) {
    bmp("b.bmp", 64, 64, Qt::blue);
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    bmp("sub/e.bmp", 64, 64, Qt::green);
    ASSERT_EQ(run("pack -o mur.png e.bmp b.bmp sub/e.bmp"), 0) << err.toStdString();
    ASSERT_EQ(run("pack --onto mur.png -o mur2.tga e.bmp"), 0) << err.toStdString();
    // --onto reads the list beside mur.png and adds the fourth element on a new row.
    EXPECT_EQ(frame("mur2.json", "e-3.bmp"),
              QJsonObject({{"x", 0}, {"y", 64}, {"w", 64}, {"h", 64}}));

    ASSERT_EQ(run("extract --names mur2.tga elements"), 0) << err.toStdString();
    EXPECT_EQ(QImage(dir.filePath("elements/b.png")).pixelColor(9, 9), QColor(Qt::blue));
    EXPECT_EQ(QImage(dir.filePath("elements/e-2.png")).pixelColor(9, 9), QColor(Qt::green));

    // Names that would leave the folder are refused; the others are written.
    write("mur2.json", R"({"frames": {"../x.bmp": {"frame": {"x":0,"y":0,"w":8,"h":8}},
                            "ok.bmp": {"frame": {"x":64,"y":0,"w":8,"h":8}}}})");
    EXPECT_EQ(run("extract --names mur2.tga out"), 1);
    EXPECT_TRUE(err.contains("Nom d'élément refusé : ../x.bmp")) << err.toStdString();
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files), QStringList({"ok.png"}));
}

// An atlas that does not match its page: one message, the page still opens and the file stays
// until the page is saved.
TEST_F(Cli, MismatchedAtlasIsToldOnceAndKeptUntilSaved) {
    write("page.json", "{\"frames\": {");
    EXPECT_EQ(run("extract page.bmp x.bmp"), 0);
    EXPECT_EQ(err.count("ne correspond pas"), 1) << err.toStdString();
    // The window's "\n\r" is a plain line end here, never a ^M in a log.
    EXPECT_TRUE(err.contains(QStringLiteral("reprise.\nIl restera tel quel"))) << err.toStdString();
    EXPECT_FALSE(err.contains(QLatin1Char('\r')));
    EXPECT_EQ(read("page.json"), "{\"frames\": {");
    // Saved under its own name, the page's list is written again (empty now).
    ASSERT_EQ(run("pack --onto page.bmp -o page.png e.bmp"), 0);
    EXPECT_EQ(QJsonDocument::fromJson(read("page.json"))["frames"].toObject().keys(),
              QStringList({"e.bmp"}));
}

// A damaged PNG gives our one French line, never libpng's own English complaint.
TEST_F(Cli, ADamagedPngGivesOneFrenchLine) {
    ASSERT_EQ(run("convert page.bmp page.png"), 0) << err.toStdString();
    write("cut.png", read("page.png").left(read("page.png").size() / 2));
    EXPECT_EQ(run("convert cut.png out.tga"), 1);
    EXPECT_EQ(err, "PNG : image invalide (cut.png)\n");
}

// b.bmp and e.bmp (name order), padding 2 and ring 1: cells of 66 + 2. Side by side or one
// over the other take the same area; the narrower wins, b on top.
TEST_F(Cli, ExportPacksTheFramesAgainWithRingsAndRoom) {
    bmp("b.bmp", 64, 64, Qt::blue);
    ASSERT_EQ(run("pack -o mur.png e.bmp b.bmp"), 0) << err.toStdString();
    ASSERT_EQ(run("export --padding 2 --extrude 1 -o atlas.png mur.png"), 0) << err.toStdString();
    const QImage atlas(dir.filePath("atlas.png"));
    EXPECT_EQ(atlas.size(), QSize(70, 138));
    EXPECT_EQ(atlas.pixelColor(3, 3), QColor(Qt::blue));
    EXPECT_EQ(frame("atlas.json", "e.bmp"),
              QJsonObject({{"x", 3}, {"y", 71}, {"w", 64}, {"h", 64}}));
    // Refusals and the page left alone are EngineAtlasTest's.

    // Without --names, a page with its atlas data is cut at its frames, row by row, whatever
    // the import size: 32x32 would have made eight files.
    ASSERT_EQ(run("extract --import 32x32 mur.png el.bmp"), 0) << err.toStdString();
    EXPECT_EQ(QImage(dir.filePath("el001.bmp")).pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(QImage(dir.filePath("el002.bmp")).pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_FALSE(exists("el003.bmp"));
}

// A source too wide for the page (128 wide on a 64 x 64 import): each standing answer, and
// none, which writes nothing and fails.
TEST_F(Cli, TooWideSourcesAreNeverDroppedQuietly) {
    bmp("r128.bmp", 128, 128, Qt::green);
    EXPECT_EQ(run("pack -o p.tga r128.bmp e.bmp"), 1);
    EXPECT_TRUE(err.contains("r128.bmp")) << err.toStdString();
    EXPECT_FALSE(exists("p.tga"));
    EXPECT_FALSE(exists("p.json"));

    EXPECT_EQ(run("pack --no-to-all -o p.tga r128.bmp e.bmp"), 0) << err.toStdString();
    EXPECT_TRUE(err.contains("r128.bmp"));  // named, left out
    EXPECT_TRUE(out.contains("1 élément(s) ajouté(s)")) << out.toStdString();
    EXPECT_FALSE(QJsonDocument::fromJson(read("p.json"))["frames"].toObject().contains("r128.bmp"));

    // Placed and cut at the page's 64-pixel width: its frame is the part on the page.
    EXPECT_EQ(run("pack --yes-to-all -o p.tga r128.bmp"), 0) << err.toStdString();
    EXPECT_EQ(frame("p.json", "r128.bmp"),
              QJsonObject({{"x", 0}, {"y", 64}, {"w", 64}, {"h", 128}}));
}

// --tight packs the page's elements again in its width; the list follows, names kept. Four
// 64 x 64 elements under a 256 x 64 one, in a 256 column: 256 x 64 + 256 x 64 after.
TEST_F(Cli, PackTightShortensThePageAndKeepsTheNames) {
    // One element per row: 64 wide each, 256 at the bottom.
    write("tall.json", R"({"frames": {"a.bmp": {"frame": {"x":0,"y":0,"w":64,"h":64}},
        "b.bmp": {"frame": {"x":0,"y":64,"w":64,"h":64}},
        "c.bmp": {"frame": {"x":0,"y":128,"w":64,"h":64}},
        "d.bmp": {"frame": {"x":0,"y":192,"w":64,"h":64}},
        "large.bmp": {"frame": {"x":0,"y":256,"w":256,"h":64}}}})");
    QImage tall(256, 320, QImage::Format_BGR888);
    tall.fill(Qt::white);
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < 64; ++y) tall.setPixelColor(i * 10, i * 64 + y, QColor(i * 60, 0, 0));
    for (int x = 0; x < 256; ++x) tall.setPixelColor(x, 300, Qt::blue);
    ASSERT_TRUE(tall.save(dir.filePath("tall.bmp"), "BMP"));

    ASSERT_EQ(run("pack --tight -o tight.png tall.bmp"), 0) << err.toStdString();
    const QImage tight(dir.filePath("tight.png"));
    EXPECT_EQ(tight.size(), QSize(256, 128));
    const QJsonObject frames = QJsonDocument::fromJson(read("tight.json"))["frames"].toObject();
    EXPECT_EQ(frames.keys(), QStringList({"a.bmp", "b.bmp", "c.bmp", "d.bmp", "large.bmp"}));
    for (int i = 0; i < 4; ++i) {
        const QJsonObject f =
            frames[QStringLiteral("%1.bmp").arg(QChar('a' + i))]["frame"].toObject();
        EXPECT_EQ(f["w"].toInt(), 64);
        // Its marked column came along: the pixels moved with the frame.
        EXPECT_EQ(tight.pixelColor(f["x"].toInt() + i * 10, f["y"].toInt() + 5),
                  QColor(i * 60, 0, 0));
    }
    const QJsonObject large = frames["large.bmp"]["frame"].toObject();
    EXPECT_EQ(tight.pixelColor(100, large["y"].toInt() + 300 - 256), QColor(Qt::blue));

    // A page without its list is refused, and says why; nothing is written.
    EXPECT_EQ(run("pack --tight -o x.tga page.bmp"), 1);
    EXPECT_TRUE(err.contains("liste d'éléments")) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("d'elle) :\nla place"))) << err.toStdString();
    EXPECT_FALSE(err.contains(QLatin1Char('\r')));
    EXPECT_FALSE(exists("x.tga"));
}

// The engine export's GPU files and normal maps: the json names them; options that do not go
// together are refused as bad usage.
TEST_F(Cli, ExportWritesGpuFilesAndNormalMapsBesideTheirData) {
    bmp("b.bmp", 64, 64, Qt::blue);
    ASSERT_EQ(run("pack -o mur.png e.bmp b.bmp"), 0) << err.toStdString();
    ASSERT_EQ(run("export --mip-levels 2 --normal-map -o atlas.dds mur.png"), 0)
        << err.toStdString();
    const QJsonObject meta = QJsonDocument::fromJson(read("atlas.json"))["meta"].toObject();
    EXPECT_EQ(meta["image"].toString(), "atlas.dds");
    EXPECT_EQ(meta["normalMap"].toString(), "atlas_n.dds");
    EXPECT_EQ(meta["mipLevels"].toInt(), 2);
    EXPECT_EQ(read("atlas_n.dds").mid(84, 4), "ATI2");  // BC5 for the normals
    ASSERT_EQ(run("info atlas.dds"), 0) << err.toStdString();
    const QJsonObject size = meta["size"].toObject();
    EXPECT_TRUE(
        out.startsWith(QStringLiteral("%1x%2").arg(size["w"].toInt()).arg(size["h"].toInt())))
        << out.toStdString();

    // ASTC for the atlas (sRGB 6x6: vkFormat 166) and its normal map (UNORM 6x6: 165).
    ASSERT_EQ(run("export --normal-map --astc 6x6 --quality fast --threads 2 -o atlas.ktx2 "
                  "mur.png"),
              0)
        << err.toStdString();
    EXPECT_EQ(read("atlas.ktx2").mid(12, 4), QByteArray("\xA6\0\0\0", 4));
    EXPECT_EQ(read("atlas_n.ktx2").mid(12, 4), QByteArray("\xA5\0\0\0", 4));

    const struct {
        const char* line;
        const char* complaint;
    } refused[] = {
        {"export --astc 5x5 -o a.ktx2 mur.png", "--astc attend 4x4, 6x6 ou 8x8"},
        {"export --astc 4x4 -o a.png mur.png", "--astc ne vaut que pour un atlas .dds ou .ktx2"},
        {"export --bc3 --astc 4x4 -o a.ktx2 mur.png", "Un seul format de blocs"},
        {"export --astc 4x4 -o a.dds mur.png", "Un fichier .dds ne contient pas d'ASTC"},
        {"export --quality best -o a.ktx2 mur.png", "--quality attend"},
        {"export --threads 0 -o a.ktx2 mur.png", "--threads attend un nombre de 1 à 256"},
        {"export --rgb -o a.png mur.png", "--rgb ne vaut que pour un atlas .dds ou .ktx2"},
        {"export --bc5 -o a.dds mur.png", "va avec --normal-map"},
        {"export --bc1 --bc3 -o a.dds mur.png", "Un seul format de blocs"},
        {"export --strength 3 -o a.png mur.png", "vont avec --normal-map"},
        {"export --normal-map --strength 25 -o a.png mur.png", "--strength attend"},
        {"export --mip-levels 11 -o a.png mur.png", "--mip-levels attend"},
        {"export -o a.webp mur.png", ".png, .dds ou .ktx2"},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(run(row.line), 2);
        EXPECT_TRUE(err.contains(QString::fromUtf8(row.complaint))) << err.toStdString();
    }
    EXPECT_FALSE(exists("a.png"));
}

}  // namespace

namespace transparency {

using tessella::testing::Sprite;

// The 18-byte header and the pixels of a TGA written top row first, as ARGB values.
struct TgaPage {
    int width = 0, height = 0, depth = 0, descriptor = 0;
    QByteArray bytes;
    QRgb at(int x, int y) const {
        const int step = depth / 8;
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData()) + 18 +
                        static_cast<qsizetype>(step) * (y * width + x);
        return qRgba(p[2], p[1], p[0], step == 4 ? p[3] : 255);
    }
};
TgaPage ReadTga(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    return {p[12] | p[13] << 8, p[14] | p[15] << 8, p[16], p[17], bytes};
}

class CliAlpha : public Cli {
  protected:
    void sprite(const char* name, int green) {
        EXPECT_TRUE(Sprite(32, 32, green).save(dir.filePath(name), "PNG"));
    }
};

// Three leaves packed: a 32-bit page whose elements are the sources texel for texel and whose
// free area is (0, 0, 0, 0). Layout from the strip packing: each add widens the first row by
// 32, the last 32 columns stay free.
TEST_F(CliAlpha, PackOfThreeSpritesKeepsTheirAlphaAndFreesTheRest) {
    for (int n = 0; n < 3; ++n)
        sprite(qPrintable(QStringLiteral("leaf%1.png").arg(n)), 150 + 20 * n);
    ASSERT_EQ(run("pack --import 32x32 -o page.png leaf0.png leaf1.png leaf2.png"), 0)
        << err.toStdString();
    ASSERT_EQ(run("pack --import 32x32 -o page.tga leaf0.png leaf1.png leaf2.png"), 0)
        << err.toStdString();
    const QImage png = QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_ARGB32);
    const TgaPage tga = ReadTga(read("page.tga"));
    ASSERT_EQ(png.size(), QSize(128, 32));
    ASSERT_EQ(QSize(tga.width, tga.height), QSize(128, 32));
    EXPECT_EQ(tga.depth, 32);
    EXPECT_EQ(tga.descriptor, 0x28);
    EXPECT_EQ(read("page.png")[25], 6);  // IHDR colour type: RGBA
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 128; ++x) {
            const QRgb want =
                x < 96 ? Sprite(32, 32, 150 + 20 * (x / 32)).pixel(x % 32, y) : qRgba(0, 0, 0, 0);
            ASSERT_EQ(png.pixel(x, y), want) << x << ", " << y;
            ASSERT_EQ(tga.at(x, y), want) << x << ", " << y;
        }
    EXPECT_EQ(frame("page.json", "leaf2.png"),
              QJsonObject({{"x", 64}, {"y", 0}, {"w", 32}, {"h", 32}}));
    EXPECT_EQ(QJsonDocument::fromJson(read("page.json"))["meta"]["format"].toString(),
              QStringLiteral("RGBA8888"));

    // Extraction writes each element with its alpha.
    ASSERT_EQ(run("extract --names page.png out"), 0) << err.toStdString();
    EXPECT_EQ(QImage(dir.filePath("out/leaf1.png")).convertToFormat(QImage::Format_ARGB32),
              Sprite(32, 32, 170));
}

// Opaque sources give the page of old: 24 bits, every byte worked from the layout (red, then
// blue, then the magenta of the grown area; rows top first), and the atlas data of old.
TEST_F(CliAlpha, PackOfOpaqueSourcesWritesTheSameBytesAsBefore) {
    bmp("a.bmp", 32, 32, Qt::red);
    bmp("b.bmp", 32, 32, Qt::blue);
    ASSERT_EQ(run("pack --import 32x32 -o o.tga a.bmp b.bmp"), 0) << err.toStdString();
    QByteArray want("\x00\x00\x02\x00\x00\x00\x01\x18\x00\x00\x00\x00\x60\x00\x20\x00\x18\x20", 18);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) want.append("\x00\x00\xFF", 3);
        for (int x = 0; x < 32; ++x) want.append("\xFF\x00\x00", 3);
        for (int x = 0; x < 32; ++x) want.append("\xFF\x00\xFF", 3);
    }
    EXPECT_EQ(read("o.tga"), want);
    const QJsonObject meta = QJsonDocument::fromJson(read("o.json"))["meta"].toObject();
    EXPECT_EQ(meta, QJsonObject({{"app", "Tessella"},
                                 {"version", "4.0"},
                                 {"image", "o.tga"},
                                 {"format", "RGB888"},
                                 {"size", QJsonObject({{"w", 96}, {"h", 32}})},
                                 {"scale", "1"}}));
    EXPECT_EQ(frame("o.json", "b.bmp"), QJsonObject({{"x", 32}, {"y", 0}, {"w", 32}, {"h", 32}}));
    ASSERT_EQ(run("pack --import 32x32 -o o.png a.bmp b.bmp"), 0) << err.toStdString();
    EXPECT_EQ(read("o.png")[25], 2);  // IHDR colour type: RGB
}

// pack --onto an opaque page with a sprite: the page's elements stay opaque, the sprite lands
// on a new row with its alpha, and the rest of the page turns free.
TEST_F(CliAlpha, PackOntoAnOpaquePageWithASprite) {
    bmp("a.bmp", 32, 32, Qt::red);
    bmp("b.bmp", 32, 32, Qt::blue);
    sprite("leaf.png", 180);
    ASSERT_EQ(run("pack --import 32x32 -o base.tga a.bmp b.bmp"), 0) << err.toStdString();
    ASSERT_EQ(run("pack --onto base.tga --import 32x32 -o out.tga leaf.png"), 0)
        << err.toStdString();
    const TgaPage tga = ReadTga(read("out.tga"));
    ASSERT_EQ(QSize(tga.width, tga.height), QSize(96, 64));
    ASSERT_EQ(tga.depth, 32);
    const QImage leaf = Sprite(32, 32, 180);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) {
            const QRgb want = y < 32 && x < 32    ? qRgba(255, 0, 0, 255)
                              : y < 32 && x < 64  ? qRgba(0, 0, 255, 255)
                              : y >= 32 && x < 32 ? leaf.pixel(x, y - 32)
                                                  : qRgba(0, 0, 0, 0);
            ASSERT_EQ(tga.at(x, y), want) << x << ", " << y;
        }
}

// A leaf in transparent margins (24 x 20 at (10, 6) of 40 x 32), exported with each of the
// transparency options; the options that cannot be honoured are refused as bad usage.
TEST_F(CliAlpha, ExportTrimsBleedsAndPremultipliesOnRequest) {
    QImage canvas(40, 32, QImage::Format_ARGB32);
    canvas.fill(qRgba(255, 0, 255, 0));
    const QImage leaf = Sprite(24, 20, 180);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) canvas.setPixel(10 + x, 6 + y, leaf.pixel(x, y));
    ASSERT_TRUE(canvas.save(dir.filePath("leaf.png"), "PNG"));
    ASSERT_EQ(run("pack --import 40x32 -o page.png leaf.png"), 0) << err.toStdString();
    const struct {
        const char* line;
        const char* data;
        bool trimmed;
        QRect kept;
        bool premultiplied;
    } rows[] = {
        {"export -o a.png page.png", "a.json", true, QRect(10, 6, 24, 20), false},
        {"export --no-trim -o b.png page.png", "b.json", false, QRect(0, 0, 40, 32), false},
        {"export --alpha-threshold 255 -o c.png page.png", "c.json", true, QRect(0, 0, 1, 1),
         false},
        {"export --premultiply --no-bleed -o d.png page.png", "d.json", true, QRect(10, 6, 24, 20),
         true},
        {"export --mip-levels 4 --alpha-coverage 0.5 -o foliage.ktx2 page.png", "foliage.json",
         true, QRect(10, 6, 24, 20), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        ASSERT_EQ(run(row.line), 0) << err.toStdString();
        const QJsonObject root = QJsonDocument::fromJson(read(row.data)).object();
        const QJsonObject f = root["frames"]["leaf.png"].toObject();
        EXPECT_EQ(f["trimmed"].toBool(), row.trimmed);
        EXPECT_EQ(f["spriteSourceSize"].toObject(), QJsonObject({{"x", row.kept.x()},
                                                                 {"y", row.kept.y()},
                                                                 {"w", row.kept.width()},
                                                                 {"h", row.kept.height()}}));
        EXPECT_EQ(f["sourceSize"].toObject(), QJsonObject({{"w", 40}, {"h", 32}}));
        EXPECT_EQ(root["meta"]["premultipliedAlpha"].toBool(), row.premultiplied);
        EXPECT_EQ(root["meta"]["format"].toString(), "RGBA8888");
    }
    EXPECT_EQ(read("a.png")[25], 6);  // IHDR colour type: RGBA
    // With no block option, an atlas with alpha takes BC3 (vkFormat 138 at byte 12; DXT5 at
    // byte 84 of a DDS); --bc1 keeps BC1, with punch-through alpha (134).
    EXPECT_EQ(read("foliage.ktx2")[12], char(138));
    ASSERT_EQ(run("export -o e.dds page.png"), 0) << err.toStdString();
    EXPECT_EQ(read("e.dds").mid(84, 4), QByteArray("DXT5"));
    ASSERT_EQ(run("export --bc1 -o f.ktx2 page.png"), 0) << err.toStdString();
    EXPECT_EQ(read("f.ktx2")[12], char(134));

    const struct {
        const char* line;
        const char* complaint;
    } refused[] = {
        {"export --alpha-threshold 256 -o x.png page.png", "--alpha-threshold attend"},
        {"export --alpha-threshold -1 -o x.png page.png", "--alpha-threshold attend"},
        {"export --alpha-coverage 0.99 -o x.ktx2 page.png", "--alpha-coverage attend"},
        {"export --alpha-coverage 0.04 -o x.ktx2 page.png", "--alpha-coverage attend"},
        {"export --alpha-coverage 0.5 -o x.png page.png", "ne vaut que pour un atlas .dds"},
        {"export --no-trim --alpha-threshold 3 -o x.png page.png", "s'excluent"},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(run(row.line), 2);
        EXPECT_TRUE(err.contains(QString::fromUtf8(row.complaint))) << err.toStdString();
    }
    EXPECT_FALSE(exists("x.png"));
    EXPECT_FALSE(exists("x.ktx2"));
}

}  // namespace transparency
