#include "imagefile/GpuTexture.h"

#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <vector>

#include "imagefile/BlockEncoder.h"
#include "pixels/MipChain.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

// DDS header fields (DirectDraw Surface, the legacy 124-byte header).
constexpr quint32 kDdsCaps = 0x1, kDdsHeight = 0x2, kDdsWidth = 0x4, kDdsPitch = 0x8;
constexpr quint32 kDdsPixelFormat = 0x1000, kDdsMipMapCount = 0x20000, kDdsLinearSize = 0x80000;
constexpr quint32 kDdsFourCc = 0x4, kDdsRgb = 0x40;
constexpr quint32 kDdsCapsComplex = 0x8, kDdsCapsTexture = 0x1000, kDdsCapsMipMap = 0x400000;

// KTX2's Vulkan formats and data format descriptor values.
constexpr quint32 kVkR8G8B8A8Srgb = 43, kVkBc1RgbSrgb = 132, kVkBc3Srgb = 138, kVkBc5Unorm = 141;
constexpr quint8 kModelRgbsda = 1, kModelBc1a = 128, kModelBc3 = 130, kModelBc5 = 132;
constexpr quint8 kPrimariesBt709 = 1, kTransferLinear = 1, kTransferSrgb = 2;
constexpr quint8 kChannelLinear = 0x10;  // qualifier: alpha of an sRGB format stays linear
constexpr char kKtx2Identifier[] = "\xABKTX 20\xBB\r\n\x1A\n";

class Bytes {
  public:
    explicit Bytes(QByteArray& out) : out_(out) {}
    void u8(quint8 v) { out_.append(char(v)); }
    void u16(quint16 v) { put(qToLittleEndian(v)); }
    void u32(quint32 v) { put(qToLittleEndian(v)); }
    void u64(quint64 v) { put(qToLittleEndian(v)); }
    void zeros(qsizetype count) { out_.append(count, '\0'); }
    void padTo(qsizetype alignment) {
        if (const qsizetype rest = out_.size() % alignment) zeros(alignment - rest);
    }

  private:
    template <typename T>
    void put(T v) {
        out_.append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    QByteArray& out_;
};

pixels::PixelGrid GridOf(const BgrRows& picture) {
    if (picture.width <= 0 || picture.height <= 0 || !picture.row)
        throw platform::TessellaError(QStringLiteral("Image vide"));
    platform::CheckImageSize(picture.width, picture.height, QStringLiteral("Texture"));
    pixels::PixelGrid grid(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(static_cast<void*>(grid.row(y)), picture.row(y),
                    std::size_t(picture.width) * 3);
    return grid;
}

std::vector<pixels::PixelGrid> LevelsOf(const BgrRows& picture, const GpuTextureOptions& options) {
    pixels::MipChainOptions chain;
    chain.maxLevel = options.mipmaps ? options.maxLevel : 0;
    chain.normalMap = options.normalMap;
    return pixels::BuildMipChain(GridOf(picture), chain);
}

// One level's bytes as stored in the file: blocks, or rows of 24-bit BGR (DDS) or 32-bit RGBA
// (KTX2).
QByteArray LevelBytes(const pixels::PixelGrid& level, GpuBlockFormat format, bool rgba) {
    if (format != GpuBlockFormat::Rgb) return EncodeBlocks(level, format);
    QByteArray bytes;
    bytes.reserve(qsizetype(level.width()) * level.height() * (rgba ? 4 : 3));
    for (int y = 0; y < level.height(); ++y) {
        const pixels::Bgr* row = level.row(y);
        if (!rgba) {
            bytes.append(reinterpret_cast<const char*>(row), qsizetype(level.width()) * 3);
            continue;
        }
        for (int x = 0; x < level.width(); ++x) {
            const char pixel[4] = {char(row[x].r), char(row[x].g), char(row[x].b), char(255)};
            bytes.append(pixel, 4);
        }
    }
    return bytes;
}

quint32 DdsFourCc(GpuBlockFormat format) {
    const char* code = format == GpuBlockFormat::Bc1   ? "DXT1"
                       : format == GpuBlockFormat::Bc3 ? "DXT5"
                                                       : "ATI2";
    return qFromLittleEndian<quint32>(code);
}

struct KtxFormat {
    quint32 vkFormat;
    quint8 model;
    quint8 transfer;
    quint8 blockSide;   // texels a side of a block
    quint8 blockBytes;  // bytes of a block (of one texel when blockSide is 1)
    struct Sample {
        quint16 bitOffset;
        quint8 bits;
        quint8 channel;
        quint32 upper;
    };
    std::vector<Sample> samples;
};

KtxFormat KtxFormatOf(GpuBlockFormat format) {
    switch (format) {
        case GpuBlockFormat::Bc1:
            return {kVkBc1RgbSrgb, kModelBc1a, kTransferSrgb, 4, 8, {{0, 64, 0, 0xFFFFFFFF}}};
        case GpuBlockFormat::Bc3:
            return {kVkBc3Srgb,
                    kModelBc3,
                    kTransferSrgb,
                    4,
                    16,
                    {{0, 64, 15 | kChannelLinear, 0xFFFFFFFF}, {64, 64, 0, 0xFFFFFFFF}}};
        case GpuBlockFormat::Bc5:
            return {kVkBc5Unorm, kModelBc5, kTransferLinear,
                    4,           16,        {{0, 64, 0, 0xFFFFFFFF}, {64, 64, 1, 0xFFFFFFFF}}};
        case GpuBlockFormat::Rgb:
            break;
    }
    return {kVkR8G8B8A8Srgb,
            kModelRgbsda,
            kTransferSrgb,
            1,
            4,
            {{0, 8, 0, 255}, {8, 8, 1, 255}, {16, 8, 2, 255}, {24, 8, 15 | kChannelLinear, 255}}};
}

QByteArray DataFormatDescriptor(const KtxFormat& format) {
    QByteArray dfd;
    Bytes out(dfd);
    const quint16 blockSize = quint16(24 + 16 * format.samples.size());
    out.u32(4 + blockSize);  // dfdTotalSize
    out.u32(0);              // vendor Khronos, descriptor type basic
    out.u16(2);              // version 1.3
    out.u16(blockSize);
    out.u8(format.model);
    out.u8(kPrimariesBt709);
    out.u8(format.transfer);
    out.u8(0);  // alpha straight
    const quint8 side = quint8(format.blockSide - 1);
    out.u8(side), out.u8(side), out.u8(0), out.u8(0);
    out.u8(format.blockBytes);
    out.zeros(7);  // bytesPlane1..7
    for (const KtxFormat::Sample& sample : format.samples) {
        out.u16(sample.bitOffset);
        out.u8(quint8(sample.bits - 1));
        out.u8(sample.channel);
        out.u32(0);  // sample position 0, 0, 0, 0
        out.u32(0);  // sampleLower
        out.u32(sample.upper);
    }
    return dfd;
}

QByteArray KeyValueData() {
    QByteArray kvd;
    Bytes out(kvd);
    const QByteArray entry = QByteArrayLiteral("KTXwriter\0Tessella\0");
    out.u32(quint32(entry.size()));
    kvd.append(entry);
    out.padTo(4);
    return kvd;
}

}  // namespace

bool IsGpuTexturePath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("dds") || suffix == QLatin1String("ktx2");
}

QByteArray DdsFileBytes(const BgrRows& picture, const GpuTextureOptions& options) {
    const std::vector<pixels::PixelGrid> levels = LevelsOf(picture, options);
    const bool blocks = options.format != GpuBlockFormat::Rgb;
    const quint32 width = quint32(picture.width), height = quint32(picture.height);
    QByteArray file("DDS ");
    Bytes out(file);
    out.u32(124);
    out.u32(kDdsCaps | kDdsHeight | kDdsWidth | kDdsPixelFormat | kDdsMipMapCount |
            (blocks ? kDdsLinearSize : kDdsPitch));
    out.u32(height);
    out.u32(width);
    out.u32(blocks ? ((width + 3) / 4) * ((height + 3) / 4) * quint32(BlockBytes(options.format))
                   : width * 3);
    out.u32(0);  // depth
    out.u32(quint32(levels.size()));
    out.zeros(11 * 4);
    out.u32(32);  // pixel format
    out.u32(blocks ? kDdsFourCc : kDdsRgb);
    out.u32(blocks ? DdsFourCc(options.format) : 0);
    out.u32(blocks ? 0 : 24);
    out.u32(blocks ? 0 : 0xFF0000), out.u32(blocks ? 0 : 0xFF00), out.u32(blocks ? 0 : 0xFF);
    out.u32(0);
    out.u32(kDdsCapsTexture | (levels.size() > 1 ? kDdsCapsComplex | kDdsCapsMipMap : 0));
    out.zeros(4 * 4);  // caps 2 to 4, reserved
    for (const pixels::PixelGrid& level : levels)
        file.append(LevelBytes(level, options.format, false));
    return file;
}

QByteArray Ktx2FileBytes(const BgrRows& picture, const GpuTextureOptions& options) {
    const std::vector<pixels::PixelGrid> levels = LevelsOf(picture, options);
    const KtxFormat format = KtxFormatOf(options.format);
    const QByteArray dfd = DataFormatDescriptor(format);
    const QByteArray kvd = KeyValueData();
    constexpr qsizetype kHeaderBytes = 80;
    const qsizetype indexBytes = 24 * qsizetype(levels.size());
    const qsizetype dfdOffset = kHeaderBytes + indexBytes;
    const qsizetype kvdOffset = dfdOffset + dfd.size();
    // Each level starts on a multiple of the block size and of 4 bytes.
    const qsizetype alignment = format.blockBytes % 4 == 0 ? format.blockBytes : 4;

    QByteArray data;
    std::vector<QPair<qsizetype, qsizetype>> placed(levels.size());
    qsizetype dataStart = kvdOffset + kvd.size();
    for (std::size_t i = levels.size(); i-- > 0;) {  // smallest first
        if (const qsizetype rest = (dataStart + data.size()) % alignment)
            data.append(alignment - rest, '\0');
        const QByteArray bytes = LevelBytes(levels[i], options.format, true);
        placed[i] = {dataStart + data.size(), bytes.size()};
        data.append(bytes);
    }

    QByteArray file(kKtx2Identifier, 12);
    Bytes out(file);
    out.u32(format.vkFormat);
    out.u32(1);  // typeSize
    out.u32(quint32(picture.width));
    out.u32(quint32(picture.height));
    out.u32(0), out.u32(0), out.u32(1);  // depth, layers, faces
    out.u32(quint32(levels.size()));
    out.u32(0);  // no supercompression
    out.u32(quint32(dfdOffset)), out.u32(quint32(dfd.size()));
    out.u32(quint32(kvdOffset)), out.u32(quint32(kvd.size()));
    out.u64(0), out.u64(0);  // no supercompression global data
    for (const auto& [offset, length] : placed) {
        out.u64(quint64(offset));
        out.u64(quint64(length));
        out.u64(quint64(length));
    }
    file.append(dfd);
    file.append(kvd);
    file.append(data);
    return file;
}

void WriteGpuTexture(const BgrRows& picture, const QString& path,
                     const GpuTextureOptions& options) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (picture.width <= 0 || picture.height <= 0)
        throw platform::TessellaError(QStringLiteral("Image vide : %1").arg(path));
    if (!IsGpuTexturePath(path))
        throw platform::TessellaError(
            QStringLiteral("Extension non reconnue pour une texture : %1").arg(path));
    const QByteArray bytes = suffix == QLatin1String("dds") ? DdsFileBytes(picture, options)
                                                            : Ktx2FileBytes(picture, options);
    platform::WriteFileAtomically(path, bytes);
}

}  // namespace tessella::imagefile
