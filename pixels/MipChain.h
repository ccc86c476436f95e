#pragma once
// The chain of ever smaller copies of a picture that a graphics card samples from far away:
// each level half the one above, odd sides rounded down, down to 1 x 1.

#include <QRect>
#include <memory>
#include <vector>

#include "pixels/PixelGrid.h"

namespace tessella::pixels {

struct MipChainOptions {
    int maxLevel = -1;       // -1: down to 1 x 1; N: levels 0 to N at most
    bool normalMap = false;  // pixels are unit vectors (x, y, z as red, green, blue)
    // The top level has an alpha plane (MipChainBuilder; BuildMipChain reads it off the top):
    // colours are averaged weighted by alpha, alpha plainly, and every smaller level carries a
    // plane whose texels at 0 take the colour of the nearest texel that is not (bleeding), so
    // that a GPU's filters mix no colour of the free space into the edges. Ignored for normal maps.
    bool alpha = false;
    // The colours are already multiplied by alpha (MultiplyColoursByAlpha): they are divided again
    // before averaging, and every smaller level is multiplied likewise (no bleeding then).
    bool premultiplied = false;
    // Alpha-tested cutouts (0: off; 0.05 to 0.95): at each smaller level the alpha of each area
    // is scaled so that the share of its texels whose stored alpha reaches ceil(255 x T) is
    // that of level 0 (Castaño's coverage-preserving mipmaps; ScaleAlphaToCoverage).
    double alphaCoverage = 0;
    // The areas scaled apart, in level 0's texels (an atlas's frames, aligned to 2^levels so
    // that each level's area is theirs halved); none: the whole picture.
    std::vector<QRect> coverageAreas = {};
};

// The side of level n for a top side of side: side >> n, at least 1.
int MipSide(int side, int level);
// How many levels a width x height picture has down to 1 x 1.
int MipLevelCount(int width, int height);

// Levels 0 (a copy of top) to the last. Each level is the box average of the one above, each
// source pixel weighted by the part of it the smaller pixel covers (so odd sides lose nothing).
// Colours are averaged in linear light: decoded from sRGB, averaged, encoded again, so that a
// black and white checkerboard gives grey 188. Normal maps are averaged as vectors, then
// brought back to unit length. Levels after the first are worked from the linear values of the
// one above, not from its rounded bytes. A top with an alpha plane gives levels with alpha
// (options.alpha is read off the top).
std::vector<PixelGrid> BuildMipChain(const PixelGrid& top, const MipChainOptions& options = {});

// The same levels made one at a time, for pictures too large to hold every level: the top
// level's rows are given once, in order, then each smaller level is asked for in turn. Only the
// linear values of the level in hand and the sums of the next are held (a quarter of the top's
// pixels, as floats), never the top level's.
class MipChainBuilder {
  public:
    MipChainBuilder(int width, int height, const MipChainOptions& options = {});
    ~MipChainBuilder();
    MipChainBuilder(const MipChainBuilder&) = delete;
    MipChainBuilder& operator=(const MipChainBuilder&) = delete;

    // Levels in the chain, the top one included (0 for an empty picture).
    int levelCount() const { return count_; }
    // Row y of the top level (width pixels) and, with options.alpha, its alpha row; rows 0 to
    // height - 1, each once, in order.
    void addTopRow(int y, const Bgr* row, const uint8_t* alphaRow = nullptr);
    // Levels 1, 2, ... in turn, after every top row was given; at most levelCount() - 1 times.
    PixelGrid nextLevel();

  private:
    class Reducer;
    PixelGrid alphaLevel(int width, int height) const;
    int width_, height_;
    bool normalMap_;
    bool alpha_;
    bool premultiplied_;
    double coverage_;
    std::vector<QRect> areas_;        // level 0's texels
    std::vector<qint64> topCovered_;  // per area: level 0's texels at or above the threshold
    int channels_;                    // 3, or 4 with alpha (colours then multiplied by alpha)
    int count_ = 0;
    int level_ = 0;
    std::vector<float> row_;    // the top row in hand, linear
    std::vector<float> plane_;  // the level in hand, linear
    std::unique_ptr<Reducer> reducer_;
};

// Level number `level` (the grid levelGrid) spread over the top level's width x height, as
// it covers the element: each pixel repeated 2^level times each way, without smoothing. The
// element is taken as tiled, so where the level falls short of the size (odd sides) it starts
// again from its other edge. The level's alpha plane is spread likewise.
PixelGrid LevelAtTopSize(const PixelGrid& levelGrid, int level, int width, int height);

// The smallest stored alpha that counts as covered for a coverage threshold T: ceil(255 x T).
int CoverageThreshold(double threshold);
// The share (0 to 1) of area's texels whose alpha is at least CoverageThreshold(threshold).
double AlphaCoverage(const PixelGrid& grid, const QRect& area, double threshold);
// Scales the alpha of area (clamped to 255, rounded) by the factor, found by halving, that
// brings AlphaCoverage nearest to share, judged on the rounded bytes; where texels of one
// alpha cross the threshold together, only as many as the share lacks do, spread evenly.
void ScaleAlphaToCoverage(PixelGrid& grid, const QRect& area, double threshold, double share);

// Every texel of area whose alpha is 0 takes the colour of the nearest texel of area whose
// alpha is not (chessboard distance, rows first on a tie); alpha stays 0. Nothing changes
// without a plane or without any such texel.
void BleedIntoTransparentTexels(PixelGrid& grid, const QRect& area);

// Colours multiplied by alpha / 255, rounded (half up), as engines that blend premultiplied
// read them. Nothing changes without a plane.
void MultiplyColoursByAlpha(PixelGrid& grid);

}  // namespace tessella::pixels
