#pragma once
// The blocks of a picture for a graphics card: BC1, BC3 (a least-squares fit along the colours'
// axis; stb_dxt for one colour, libsquish's cluster fit where it still pays) and BC5
// (libsquish), ASTC (libastcenc), on every core, with the same bytes whatever the number of
// threads.

#include <QByteArray>
#include <memory>

#include "imagefile/GpuTexture.h"
#include "pixels/PixelGrid.h"

namespace tessella::imagefile {

// Bytes of one block: 8 for BC1, 16 for BC3, BC5 and ASTC. format must not be Rgb.
int BlockBytes(GpuBlockFormat format);
// Texels across and down one block: 4 for BC, the ASTC block's sides.
int BlockWidth(GpuBlockFormat format);
int BlockHeight(GpuBlockFormat format);
// Bytes of the blocks of a width x height level, partial blocks at the edges counted whole.
qsizetype LevelBlockBytes(GpuBlockFormat format, int width, int height);
// The threads a count asks for: count itself, or the machine's cores for 0 or less.
int ThreadsFor(int count);

class BlockEncoder {
  public:
    // Takes the threads, quality, normal-map mode and alpha coverage of options (BC3 then keeps
    // each texel's alpha on its side of the threshold); weighAlpha: ASTC weighs the
    // colours by alpha (pictures with transparency). Throws TessellaError when libastcenc
    // refuses the settings. format must not be Rgb.
    BlockEncoder(GpuBlockFormat format, const GpuTextureOptions& options, bool weighAlpha = false);
    ~BlockEncoder();
    BlockEncoder(const BlockEncoder&) = delete;
    BlockEncoder& operator=(const BlockEncoder&) = delete;

    // The blocks of picture into out (LevelBlockBytes of its size), rows of blocks from the top,
    // left to right; blocks that pass the right or bottom edge are fitted to the pixels inside.
    // BC1 and BC3 carry the colours, BC3 the alpha plane too (opaque without one), BC5 the red
    // channel then the green one; ASTC the colours and alpha, or for a normal map X in red,
    // green and blue and Y in alpha.
    void encode(const pixels::PixelGrid& picture, char* out);

  private:
    void encodeBc(const pixels::PixelGrid& picture, char* out);
    void encodeAstc(const pixels::PixelGrid& picture, char* out);

    GpuBlockFormat format_;
    int threads_;
    int covered_;  // the alpha coverage threshold as a byte, 0 without one
    struct Astc;
    std::unique_ptr<Astc> astc_;
};

// The blocks of picture as above, with the machine's cores.
QByteArray EncodeBlocks(const pixels::PixelGrid& picture, GpuBlockFormat format);

}  // namespace tessella::imagefile
