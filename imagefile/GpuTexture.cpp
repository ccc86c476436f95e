#include "imagefile/GpuTexture.h"

#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <memory>
#include <vector>

#include "imagefile/BlockEncoder.h"
#include "imagefile/ImageFileTexts.h"
#include "pixels/MipChain.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

// DDS header fields (DirectDraw Surface, the legacy 124-byte header).
constexpr quint32 kDdsCaps = 0x1, kDdsHeight = 0x2, kDdsWidth = 0x4, kDdsPitch = 0x8;
constexpr quint32 kDdsPixelFormat = 0x1000, kDdsMipMapCount = 0x20000, kDdsLinearSize = 0x80000;
constexpr quint32 kDdsAlphaPixels = 0x1, kDdsFourCc = 0x4, kDdsRgb = 0x40;
constexpr quint32 kDdsCapsComplex = 0x8, kDdsCapsTexture = 0x1000, kDdsCapsMipMap = 0x400000;

// KTX2's Vulkan formats and data format descriptor values.
constexpr quint32 kVkR8G8B8A8Unorm = 37, kVkR8G8B8A8Srgb = 43, kVkBc1RgbSrgb = 132,
                  kVkBc1RgbaSrgb = 134, kVkBc3Srgb = 138, kVkBc5Unorm = 141;
constexpr quint8 kModelRgbsda = 1, kModelBc1a = 128, kModelBc3 = 130, kModelBc5 = 132;
constexpr quint8 kModelAstc = 162;
constexpr quint8 kPrimariesBt709 = 1, kTransferLinear = 1, kTransferSrgb = 2;
constexpr quint8 kChannelLinear = 0x10;  // qualifier: alpha of an sRGB format stays linear
constexpr quint8 kChannelBc1AlphaPresent = 1;
constexpr quint8 kFlagAlphaPremultiplied = 1;
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

// One level's place in the file.
struct LevelPlace {
    int width, height;
    qsizetype offset, length;
};

qsizetype StoredLevelBytes(GpuBlockFormat format, int width, int height, int bytesPerTexel) {
    return format == GpuBlockFormat::Rgb ? qsizetype(width) * height * bytesPerTexel
                                         : LevelBlockBytes(format, width, height);
}

// The levels' sizes; offsets are set by the container.
std::vector<LevelPlace> LevelsOf(const BgrRows& picture, int count, GpuBlockFormat format,
                                 int bytesPerTexel) {
    std::vector<LevelPlace> levels;
    for (int n = 0; n < count; ++n) {
        const int w = pixels::MipSide(picture.width, n), h = pixels::MipSide(picture.height, n);
        levels.push_back({w, h, 0, StoredLevelBytes(format, w, h, bytesPerTexel)});
    }
    return levels;
}

void CheckPicture(const BgrRows& picture) {
    if (picture.width <= 0 || picture.height <= 0 || !picture.row)
        throw platform::TessellaError(kEmptyImageMessage);
    platform::CheckImageSize(picture.width, picture.height, kTextureWhat);
}

// Whether the file carries the picture's alpha: normal maps and BC5 hold none.
bool KeepsAlpha(const BgrRows& picture, const GpuTextureOptions& options) {
    return picture.alpha && !options.normalMap && options.format != GpuBlockFormat::Bc5;
}

pixels::MipChainOptions ChainOptions(const BgrRows& picture, const GpuTextureOptions& options,
                                     bool oneLevel) {
    pixels::MipChainOptions chain;
    chain.maxLevel = options.mipmaps && !oneLevel ? options.maxLevel : 0;
    chain.normalMap = options.normalMap;
    chain.alpha = KeepsAlpha(picture, options);
    chain.premultiplied = options.premultiplied;
    chain.alphaCoverage = options.alphaCoverage;
    chain.coverageAreas = options.coverageAreas;
    return chain;
}

// Encodes the levels one after the other into their places in the file, a band of rows at a
// time: the top level straight from the picture's rows, the smaller ones as the mip chain makes
// them. Reports the progress after each band.
class LevelEncoder {
  public:
    LevelEncoder(const GpuTextureOptions& options, int bytesPerTexel, bool alpha, bool bgra)
        : options_(options), bytesPerTexel_(bytesPerTexel), alpha_(alpha), bgra_(bgra) {
        if (options.format != GpuBlockFormat::Rgb)
            blocks_ = std::make_unique<BlockEncoder>(options.format, options, alpha);
        // Bands of whole blocks, tall enough that every core has rows of blocks to take.
        bandRows_ = BlockHeight(options.format) * 16;
    }

    void encode(const BgrRows& picture, pixels::MipChainBuilder& chain,
                const std::vector<LevelPlace>& levels, char* file) {
        total_ = 0;
        for (const LevelPlace& level : levels) total_ += qint64(level.width) * level.height;
        done_ = 0;
        for (std::size_t n = 0; n < levels.size(); ++n) {
            if (n == 0) {
                encodeLevel(levels[0], file, [&](int y, uint8_t* alpha) {
                    const auto* row = reinterpret_cast<const pixels::Bgr*>(picture.row(y));
                    const uchar* alphaRow = alpha_ ? picture.alpha(y) : nullptr;
                    if (alpha_) std::memcpy(alpha, alphaRow, std::size_t(picture.width));
                    chain.addTopRow(y, row, alphaRow);
                    return row;
                });
            } else {
                const pixels::PixelGrid level = chain.nextLevel();
                encodeLevel(levels[n], file, [&level, this](int y, uint8_t* alpha) {
                    if (alpha_) std::memcpy(alpha, level.alphaRow(y), std::size_t(level.width()));
                    return level.row(y);
                });
            }
        }
    }

  private:
    template <typename RowSource>
    void encodeLevel(const LevelPlace& level, char* file, RowSource&& rowAt) {
        const int bandRows = std::min(bandRows_, level.height);
        pixels::PixelGrid band(level.width, bandRows);
        char* out = file + level.offset;
        for (int top = 0; top < level.height; top += bandRows) {
            const int rows = std::min(bandRows, level.height - top);
            if (rows != band.height()) band = pixels::PixelGrid(level.width, rows);
            if (alpha_) band.addAlpha();
            for (int y = 0; y < rows; ++y)
                std::memcpy(static_cast<void*>(band.row(y)),
                            rowAt(top + y, alpha_ ? band.alphaRow(y) : nullptr),
                            std::size_t(level.width) * 3);
            const qsizetype bytes =
                StoredLevelBytes(options_.format, level.width, rows, bytesPerTexel_);
            if (blocks_)
                blocks_->encode(band, out);
            else
                PlainRows(band, out);
            out += bytes;
            done_ += qint64(level.width) * rows;
            if (options_.progress && !options_.progress(done_, total_)) throw GpuWriteStopped();
        }
    }

    // 24-bit BGR (DDS), 32-bit BGRA (DDS with alpha) or 32-bit RGBA (KTX2).
    void PlainRows(const pixels::PixelGrid& band, char* out) const {
        for (int y = 0; y < band.height(); ++y) {
            const pixels::Bgr* row = band.row(y);
            if (bytesPerTexel_ == 3) {
                std::memcpy(out, static_cast<const void*>(row), std::size_t(band.width()) * 3);
                out += qsizetype(band.width()) * 3;
                continue;
            }
            const uint8_t* alpha = alpha_ ? band.alphaRow(y) : nullptr;
            const bool bgra = bgra_;
            for (int x = 0; x < band.width(); ++x, out += 4) {
                out[0] = char(bgra ? row[x].b : row[x].r), out[1] = char(row[x].g),
                out[2] = char(bgra ? row[x].r : row[x].b);
                out[3] = char(alpha ? alpha[x] : 255);
            }
        }
    }

    const GpuTextureOptions& options_;
    int bytesPerTexel_;
    bool alpha_;
    bool bgra_;
    std::unique_ptr<BlockEncoder> blocks_;
    int bandRows_;
    qint64 done_ = 0, total_ = 0;
};

// The file of header bytes then the levels at their places, made once at its full size.
QByteArray EncodedFile(const QByteArray& header, const BgrRows& picture,
                       pixels::MipChainBuilder& chain, const std::vector<LevelPlace>& levels,
                       qsizetype size, const GpuTextureOptions& options, int bytesPerTexel,
                       bool bgra = false) {
    QByteArray file(size, '\0');
    std::memcpy(file.data(), header.constData(), std::size_t(header.size()));
    LevelEncoder(options, bytesPerTexel, KeepsAlpha(picture, options), bgra)
        .encode(picture, chain, levels, file.data());
    return file;
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

// ASTC's Vulkan formats: UNORM, then sRGB one above it.
quint32 AstcVkFormat(GpuBlockFormat format, bool srgb) {
    const quint32 unorm = format == GpuBlockFormat::Astc4x4   ? 157
                          : format == GpuBlockFormat::Astc6x6 ? 165
                                                              : 171;
    return srgb ? unorm + 1 : unorm;
}

KtxFormat KtxFormatOf(GpuBlockFormat format, bool normalMap, bool alpha) {
    switch (format) {
        case GpuBlockFormat::Astc4x4:
        case GpuBlockFormat::Astc6x6:
        case GpuBlockFormat::Astc8x8:
            // One 128-bit sample of ASTC data (channel 0); normal maps stay linear.
            return {AstcVkFormat(format, !normalMap),
                    kModelAstc,
                    normalMap ? kTransferLinear : kTransferSrgb,
                    quint8(BlockWidth(format)),
                    16,
                    {{0, 128, 0, 0xFFFFFFFF}}};
        case GpuBlockFormat::Bc1:
            // With alpha, the colour-and-alpha format whose transparent code engines honour.
            return {alpha ? kVkBc1RgbaSrgb : kVkBc1RgbSrgb,
                    kModelBc1a,
                    kTransferSrgb,
                    4,
                    8,
                    {{0, 64, alpha ? kChannelBc1AlphaPresent : quint8(0), 0xFFFFFFFF}}};
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
    // Normals are linear data: decoded as sRGB they would bend.
    if (normalMap)
        return {kVkR8G8B8A8Unorm,
                kModelRgbsda,
                kTransferLinear,
                1,
                4,
                {{0, 8, 0, 255}, {8, 8, 1, 255}, {16, 8, 2, 255}, {24, 8, 15, 255}}};
    return {kVkR8G8B8A8Srgb,
            kModelRgbsda,
            kTransferSrgb,
            1,
            4,
            {{0, 8, 0, 255}, {8, 8, 1, 255}, {16, 8, 2, 255}, {24, 8, 15 | kChannelLinear, 255}}};
}

QByteArray DataFormatDescriptor(const KtxFormat& format, bool premultiplied) {
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
    out.u8(premultiplied ? kFlagAlphaPremultiplied : 0);
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

GpuBlockFormat DefaultBlockFormat(bool alpha) {
    return alpha ? GpuBlockFormat::Bc3 : GpuBlockFormat::Bc1;
}

bool IsAstcFormat(GpuBlockFormat format) {
    return format == GpuBlockFormat::Astc4x4 || format == GpuBlockFormat::Astc6x6 ||
           format == GpuBlockFormat::Astc8x8;
}

bool IsGpuTexturePath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("dds") || suffix == QLatin1String("ktx2") ||
           suffix == QLatin1String("astc");
}

QByteArray DdsFileBytes(const BgrRows& picture, const GpuTextureOptions& options) {
    CheckPicture(picture);
    if (IsAstcFormat(options.format)) throw platform::TessellaError(kDdsHoldsNoAstc);
    pixels::MipChainBuilder chain(picture.width, picture.height,
                                  ChainOptions(picture, options, false));
    const bool blocks = options.format != GpuBlockFormat::Rgb;
    // BC1 flags its punch-through alpha; plain texels with alpha are 32-bit BGRA.
    const bool alpha =
        KeepsAlpha(picture, options) && (options.format == GpuBlockFormat::Bc1 || !blocks);
    const int bytesPerTexel = alpha ? 4 : 3;
    std::vector<LevelPlace> levels =
        LevelsOf(picture, chain.levelCount(), options.format, bytesPerTexel);
    const quint32 width = quint32(picture.width), height = quint32(picture.height);
    QByteArray header("DDS ");
    Bytes out(header);
    out.u32(124);
    out.u32(kDdsCaps | kDdsHeight | kDdsWidth | kDdsPixelFormat | kDdsMipMapCount |
            (blocks ? kDdsLinearSize : kDdsPitch));
    out.u32(height);
    out.u32(width);
    out.u32(blocks ? quint32(levels[0].length) : width * quint32(bytesPerTexel));
    out.u32(0);  // depth
    out.u32(quint32(levels.size()));
    out.zeros(11 * 4);
    out.u32(32);  // pixel format
    out.u32((blocks ? kDdsFourCc : kDdsRgb) | (alpha ? kDdsAlphaPixels : 0));
    out.u32(blocks ? DdsFourCc(options.format) : 0);
    out.u32(blocks ? 0 : quint32(8 * bytesPerTexel));
    out.u32(blocks ? 0 : 0xFF0000), out.u32(blocks ? 0 : 0xFF00), out.u32(blocks ? 0 : 0xFF);
    out.u32(!blocks && alpha ? 0xFF000000 : 0);
    out.u32(kDdsCapsTexture | (levels.size() > 1 ? kDdsCapsComplex | kDdsCapsMipMap : 0));
    out.zeros(4 * 4);  // caps 2 to 4, reserved
    qsizetype at = header.size();
    for (LevelPlace& level : levels) {
        level.offset = at;
        at += level.length;
    }
    return EncodedFile(header, picture, chain, levels, at, options, bytesPerTexel, true);
}

QByteArray Ktx2FileBytes(const BgrRows& picture, const GpuTextureOptions& options) {
    CheckPicture(picture);
    pixels::MipChainBuilder chain(picture.width, picture.height,
                                  ChainOptions(picture, options, false));
    std::vector<LevelPlace> levels = LevelsOf(picture, chain.levelCount(), options.format, 4);
    const bool alpha = KeepsAlpha(picture, options);
    const KtxFormat format = KtxFormatOf(options.format, options.normalMap, alpha);
    const QByteArray dfd = DataFormatDescriptor(format, alpha && options.premultiplied);
    const QByteArray kvd = KeyValueData();
    constexpr qsizetype kHeaderBytes = 80;
    const qsizetype indexBytes = 24 * qsizetype(levels.size());
    const qsizetype dfdOffset = kHeaderBytes + indexBytes;
    const qsizetype kvdOffset = dfdOffset + dfd.size();
    // Each level starts on a multiple of the block size and of 4 bytes, the smallest first.
    const qsizetype alignment = format.blockBytes % 4 == 0 ? format.blockBytes : 4;
    qsizetype at = kvdOffset + kvd.size();
    for (std::size_t i = levels.size(); i-- > 0;) {
        if (const qsizetype rest = at % alignment) at += alignment - rest;
        levels[i].offset = at;
        at += levels[i].length;
    }

    QByteArray header(kKtx2Identifier, 12);
    Bytes out(header);
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
    for (const LevelPlace& level : levels) {
        out.u64(quint64(level.offset));
        out.u64(quint64(level.length));
        out.u64(quint64(level.length));
    }
    header.append(dfd);
    header.append(kvd);
    return EncodedFile(header, picture, chain, levels, at, options, 4);
}

QByteArray AstcFileBytes(const BgrRows& picture, const GpuTextureOptions& options) {
    CheckPicture(picture);
    if (!IsAstcFormat(options.format)) throw platform::TessellaError(kAstcFileHoldsAstcOnly);
    pixels::MipChainBuilder chain(picture.width, picture.height,
                                  ChainOptions(picture, options, true));
    std::vector<LevelPlace> levels = LevelsOf(picture, 1, options.format, 4);
    // Magic, the block's sides (x, y, z), then the picture's (24 bits each).
    QByteArray header;
    Bytes out(header);
    out.u32(0x5CA1AB13);
    out.u8(quint8(BlockWidth(options.format))), out.u8(quint8(BlockHeight(options.format)));
    out.u8(1);
    for (const int side : {picture.width, picture.height, 1}) {
        out.u16(quint16(side & 0xFFFF));
        out.u8(quint8(side >> 16));
    }
    levels[0].offset = header.size();
    return EncodedFile(header, picture, chain, levels, header.size() + levels[0].length, options,
                       4);
}

void WriteGpuTexture(const BgrRows& picture, const QString& path,
                     const GpuTextureOptions& options) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (picture.width <= 0 || picture.height <= 0)
        throw platform::TessellaError(kEmptyImageFileMessage.arg(path));
    if (!IsGpuTexturePath(path))
        throw platform::TessellaError(kTextureExtensionRefusedMessage.arg(path));
    const QByteArray bytes = suffix == QLatin1String("dds")    ? DdsFileBytes(picture, options)
                             : suffix == QLatin1String("ktx2") ? Ktx2FileBytes(picture, options)
                                                               : AstcFileBytes(picture, options);
    platform::WriteFileAtomically(path, bytes);
}

}  // namespace tessella::imagefile
