#include <gtest/gtest.h>

#include <limits>

#include "platform/CheckedMath.h"
#include "platform/ColourValue.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "platform/ImageLimits.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/Rounding.h"
#include "tests/support/ScriptedPrompts.h"

using namespace tessella::platform;
using tessella::testing::ScriptedPrompts;

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    const struct {
        double v;
        int32_t r;
    } rows[] = {
        {0.5, 0},    {1.5, 2},    {2.5, 2},   {-0.5, 0},  {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {12.8, 13}, {0.0, 0},   {31.5, 32},
    };
    for (const auto& row : rows) EXPECT_EQ(RoundHalfEven(row.v), row.r) << row.v;
}

TEST(Rounding, OutOfRangeIsAnOverflow) {
    EXPECT_THROW(RoundHalfEven(3e9), TessellaError);
    EXPECT_THROW(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), TessellaError);
    EXPECT_EQ(RoundHalfEven(2147483647.0), 2147483647);
}

TEST(CheckedMath, OverflowThrowsInsteadOfWrapping) {
    const int32_t max = std::numeric_limits<int32_t>::max();
    const int32_t min = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(CheckedAdd(max - 1, 1), max);
    EXPECT_THROW(CheckedAdd(max, 1), TessellaError);
    EXPECT_THROW(CheckedSub(min, 1), TessellaError);
    EXPECT_THROW(CheckedMul(65536, 32768), TessellaError);
    EXPECT_EQ(CheckedMul(-65536, 32768), min);
    EXPECT_EQ(CheckedDiv(-7, 2), -3);  // truncates toward zero
    EXPECT_THROW(CheckedDiv(1, 0), TessellaError);
    EXPECT_THROW(CheckedDiv(min, -1), TessellaError);
    try {
        CheckedAdd(max, max);
    } catch (const TessellaError& e) {
        EXPECT_EQ(e.message(), kOverflowMessage);
    }
}

TEST(ColourValue, RedIsTheLowByte) {
    constexpr ColourValue c(0x00B3FFFF);  // pale yellow
    EXPECT_EQ(c.red(), 0xFF);
    EXPECT_EQ(c.green(), 0xFF);
    EXPECT_EQ(c.blue(), 0xB3);
    EXPECT_EQ(c.toQColor(), QColor(255, 255, 179));
    EXPECT_EQ(ColourValue::fromQColor(QColor(1, 2, 3)).value(), 0x00030201u);
    EXPECT_EQ(kMagenta.toQRgb(), 0xFFFF00FFu);
    EXPECT_EQ(ColourValue(0xFF123456).value(), 0x00123456u);
}

TEST(Prompts, TextsAndFilters) {
    EXPECT_EQ(DisplayText("A\n\rB\n\r\n\rC"), "A\nB\n\nC");
    EXPECT_EQ(QtFilter("Fichier de textures|*.tga"), "Fichier de textures (*.tga)");
    EXPECT_EQ(QtFilter("Toutes images |*.bmp;*.jpg|Truevision|*.tga"),
              "Toutes images (*.bmp *.jpg);;Truevision (*.tga)");
}

TEST(ProgramFolder, JoinsWithOneSlash) {
    EXPECT_EQ(JoinPath("/a/b/", "c.rtf"), "/a/b/c.rtf");
    EXPECT_EQ(JoinPath("/a/b", "/c.rtf"), "/a/b/c.rtf");
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    ProgramFolder folder("/opt/tessella");
    EXPECT_EQ(folder.path(), "/opt/tessella/");
    EXPECT_EQ(folder.helpFile(), "/opt/tessella/Tessella.rtf");
    EXPECT_EQ(folder.catalogueFolder(), "/opt/tessella/Clips_Textures/");
    EXPECT_EQ(folder.backgroundFolder(), "/opt/tessella/TextureFond/");
    EXPECT_TRUE(FolderWithSlash("C:\\").endsWith('/'));
    EXPECT_FALSE(FolderWithSlash("C:\\").contains('\\'));
}

TEST(ImageLimits, RefusesAbsurdSizesBeforeAllocating) {
    EXPECT_TRUE(ImageSizeAllowed(512, 32000));
    EXPECT_FALSE(ImageSizeAllowed(0, 10));
    EXPECT_FALSE(ImageSizeAllowed(65535, 65535));  // 4 gigapixels
    EXPECT_THROW(CheckImageSize(-1, 5, "Targa"), TessellaError);
}

TEST(Guard, ShowsTheFaultAndGoesOn) {
    ScriptedPrompts prompts;
    prompts.expectMessage(MessageKind::Error, "Targa : image invalide")
        .expectMessage(MessageKind::Error, kOutOfMemoryMessage);
    int reached = 0;
    EXPECT_FALSE(Guard(prompts, [&] {
        ++reached;
        throw TessellaError("Targa : image invalide");
    }));
    EXPECT_FALSE(Guard(prompts, [] { throw std::bad_alloc(); }));
    EXPECT_TRUE(Guard(prompts, [&] { ++reached; }));
    EXPECT_EQ(reached, 2);
}
