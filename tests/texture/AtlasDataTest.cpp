// The element list of a page: unique names, replacements, the JSON layout and safe file names.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "texture/AtlasData.h"

using namespace tessella::texture;

TEST(AtlasData, RepeatedNamesTakeTheFirstFreeNumber) {
    std::vector<AtlasFrame> frames;
    const struct {
        const char* source;
        const char* name;
    } rows[] = {{"/a/brique.png", "brique.png"},
                {"/b/brique.png", "brique-2.png"},
                {"/x/brique-2.png", "brique-2-2.png"}};
    int x = 0;
    for (const auto& row : rows) {
        RecordPlacedFrame(frames, QRect(x, 0, 8, 8), QString::fromLatin1(row.source));
        EXPECT_EQ(frames.back().name, QString::fromLatin1(row.name)) << row.source;
        x += 8;
    }
}

TEST(AtlasData, ReplaceRenamesTheFrameAtTheSameRectangle) {
    std::vector<AtlasFrame> frames = {
        {QRect(0, 0, 8, 8), "a.png"}, {QRect(8, 0, 8, 8), "b.png"}, {QRect(16, 0, 4, 4), "c.png"}};
    RecordReplacedFrame(frames, QRect(8, 0, 8, 8), "/x/a.png");
    EXPECT_EQ(frames[1], (AtlasFrame{QRect(8, 0, 8, 8), "a-2.png"}));
    // No frame there: the frames it covers whole go, the new one is added.
    RecordReplacedFrame(frames, QRect(16, 0, 8, 8), "/z/d.png");
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[2], (AtlasFrame{QRect(16, 0, 8, 8), "d.png"}));
}

TEST(AtlasData, JsonRoundTripAndLayout) {
    const std::vector<AtlasFrame> frames = {{QRect(0, 0, 64, 64), "brique.png"},
                                            {QRect(64, 0, 32, 16), "sol.png"}};
    const QByteArray json = AtlasJson(frames, "mur.png", QSize(256, 128));
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    EXPECT_EQ(
        root["frames"]["sol.png"].toObject(),
        QJsonObject({{"frame", QJsonObject({{"x", 64}, {"y", 0}, {"w", 32}, {"h", 16}})},
                     {"rotated", false},
                     {"trimmed", false},
                     {"spriteSourceSize", QJsonObject({{"x", 0}, {"y", 0}, {"w", 32}, {"h", 16}})},
                     {"sourceSize", QJsonObject({{"w", 32}, {"h", 16}})}}));
    EXPECT_EQ(root["meta"].toObject(), QJsonObject({{"app", "Tessella"},
                                                    {"version", "4.0"},
                                                    {"image", "mur.png"},
                                                    {"format", "RGB888"},
                                                    {"size", QJsonObject({{"w", 256}, {"h", 128}})},
                                                    {"scale", "1"}}));
    EXPECT_EQ(ParseAtlasJson(json, QSize(256, 128)), frames);
    // One pixel narrower, sol.png (64 + 32 = 96) still fits; at 95 it does not.
    EXPECT_TRUE(ParseAtlasJson(json, QSize(96, 64)));
    EXPECT_FALSE(ParseAtlasJson(json, QSize(95, 64)));
    EXPECT_FALSE(ParseAtlasJson(R"({"frames": []})", QSize(256, 128)));
    EXPECT_FALSE(ParseAtlasJson(R"({"frames": {"a": {"frame": {"x":-1,"y":0,"w":8,"h":8}}}})",
                                QSize(256, 128)));
}

TEST(AtlasData, FrameListsBeyondTheBoundAreRefused) {
    // Each frame covers 64 M pixels: two fit the 128 M bound, three do not.
    const auto list = [](int count) {
        QJsonObject frames;
        for (int i = 0; i < count; ++i)
            frames.insert(
                QString::number(i),
                QJsonObject(
                    {{"frame", QJsonObject({{"x", 0}, {"y", 0}, {"w", 8192}, {"h", 8192}})}}));
        return QJsonDocument(QJsonObject({{"frames", frames}})).toJson();
    };
    EXPECT_TRUE(ParseAtlasJson(list(2), QSize(8192, 8192)));
    EXPECT_FALSE(ParseAtlasJson(list(3), QSize(8192, 8192)));
}

TEST(AtlasData, ElementFilesStayInTheFolder) {
    const struct {
        const char* name;
        const char* file;  // "" when refused
    } rows[] = {{"brique.png", "/d/brique.png"},
                {"mur", "/d/mur.png"},
                {"../x", ""},
                {"/etc/x", ""},
                {"a\\b.png", ""},
                {"..", ""},
                {"a\nb", ""}};
    for (const auto& row : rows) {
        const auto file = ElementPathForName("/d", QString::fromUtf8(row.name));
        EXPECT_EQ(file.value_or(QString()), QString::fromUtf8(row.file)) << row.name;
    }
}
