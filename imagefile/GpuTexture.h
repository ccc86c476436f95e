#pragma once
// Pictures as files a graphics card takes as they are: DDS, KTX2 or .astc, block-compressed
// (BC1, BC3, BC5 for desktops, ASTC for phones) or plain 8-bit, with their whole chain of
// smaller levels. A level is encoded as soon as it is made, and only the level in hand is held
// besides the file's bytes.

#include <QByteArray>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "imagefile/BgrRows.h"
#include "platform/Error.h"
#include "platform/Text.h"

namespace tessella::imagefile {

enum class GpuBlockFormat {
    Bc1,      // colour, 4 bits a pixel, alpha below 128 transparent: the default when opaque
    Bc3,      // colour and interpolated alpha, 8 bits a pixel: the default with transparency
    Bc5,      // red and green only, 8 bits a pixel: normal maps
    Rgb,      // uncompressed: 24-bit (32 with alpha) in a DDS, 32-bit RGBA in a KTX2
    Astc4x4,  // ASTC, 16 bytes a block of 4 x 4 (8 bits a pixel), 6 x 6 (3.56) or 8 x 8 (2)
    Astc6x6,
    Astc8x8,
};

// How long ASTC searches: libastcenc's fast, medium and thorough presets.
enum class GpuQuality { Fast, Medium, Thorough };

// Told, on the writing thread, how many texels of all levels are encoded and how many there are
// in all; answers false to stop the write, which then throws GpuWriteStopped and writes nothing.
using GpuProgress = std::function<bool(qint64 done, qint64 total)>;

inline constexpr platform::Text kGpuWriteStopped{
    QT_TRANSLATE_NOOP("Tessella", "Écriture de la texture arrêtée")};
inline constexpr platform::Text kDdsHoldsNoAstc{QT_TRANSLATE_NOOP(
    "Tessella", "Un fichier .dds ne contient pas d'ASTC : choisissez .ktx2 ou .astc")};
inline constexpr platform::Text kAstcFileHoldsAstcOnly{QT_TRANSLATE_NOOP(
    "Tessella", "Un fichier .astc ne contient que des blocs ASTC (4x4, 6x6 ou 8x8)")};

class GpuWriteStopped : public platform::TessellaError {
  public:
    GpuWriteStopped() : TessellaError(kGpuWriteStopped) {}
};

struct GpuTextureOptions {
    GpuBlockFormat format = GpuBlockFormat::Bc1;
    bool mipmaps = true;
    int maxLevel = -1;       // -1: down to 1 x 1; N: levels 0 to N (fewer when 1 x 1 comes first)
    bool normalMap = false;  // levels averaged as unit vectors, not as sRGB colours; ASTC in
                             // the UNORM formats with X in red, green and blue, Y in alpha
    int threads = 0;         // 0: the machine's cores; the bytes are the same for any count
    GpuQuality quality = GpuQuality::Medium;  // ASTC only
    GpuProgress progress = nullptr;           // none: no reports, no stop
    // Alpha-tested cutouts (0: off; 0.05 to 0.95): at each smaller level the alpha of each
    // area is scaled so that the share of texels whose stored alpha reaches ceil(255 x T)
    // stays that of level 0 (pixels::MipChainOptions::alphaCoverage).
    double alphaCoverage = 0;
    // The areas scaled apart (an atlas's frames, in level 0's texels); none: the whole picture.
    std::vector<QRect> coverageAreas = {};
    // The colours are already multiplied by alpha (pixels::MultiplyColoursByAlpha): the smaller
    // levels are made alike, and KTX2 says so in its format descriptor.
    bool premultiplied = false;
};

// The block format engines' importers choose when none is asked for: BC3 for a picture with
// transparency, BC1 for an opaque one.
GpuBlockFormat DefaultBlockFormat(bool alpha);

// True for the ASTC formats.
bool IsAstcFormat(GpuBlockFormat format);

// True when path ends in .dds, .ktx2 or .astc (any case).
bool IsGpuTexturePath(const QString& path);

// Writes picture to path (.dds, .ktx2 or .astc, told by the extension) through a temporary file.
// A .astc file holds level 0 alone. A picture with alpha rows keeps them (BC1 as its 1-bit
// punch-through, BC3's alpha block, 32-bit plain texels, ASTC weighing colours by alpha) and its
// smaller levels average colours weighted by alpha; normal maps and BC5 leave alpha out. An
// opaque picture gives the same bytes as ever. Throws TessellaError for an empty picture, another
// extension, a format the container cannot hold, or when the disk or memory fails, and
// GpuWriteStopped when the progress asked to stop. The rows are read once, each row while it is
// valid.
void WriteGpuTexture(const BgrRows& picture, const QString& path, const GpuTextureOptions& options);

// The files' bytes, for tests and callers that keep them in memory.
QByteArray DdsFileBytes(const BgrRows& picture, const GpuTextureOptions& options);
QByteArray Ktx2FileBytes(const BgrRows& picture, const GpuTextureOptions& options);
QByteArray AstcFileBytes(const BgrRows& picture, const GpuTextureOptions& options);

}  // namespace tessella::imagefile
