#pragma once
// The chain of ever smaller copies of a picture that a graphics card samples from far away:
// each level half the one above, odd sides rounded down, down to 1 x 1.

#include <memory>
#include <vector>

#include "pixels/PixelGrid.h"

namespace tessella::pixels {

struct MipChainOptions {
    int maxLevel = -1;       // -1: down to 1 x 1; N: levels 0 to N at most
    bool normalMap = false;  // pixels are unit vectors (x, y, z as red, green, blue)
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
// one above, not from its rounded bytes.
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
    // Row y of the top level (width pixels); rows 0 to height - 1, each once, in order.
    void addTopRow(int y, const Bgr* row);
    // Levels 1, 2, ... in turn, after every top row was given; at most levelCount() - 1 times.
    PixelGrid nextLevel();

  private:
    class Reducer;
    int width_, height_;
    bool normalMap_;
    int count_ = 0;
    int level_ = 0;
    std::vector<float> row_;    // the top row in hand, linear
    std::vector<float> plane_;  // the level in hand, linear
    std::unique_ptr<Reducer> reducer_;
};

// Level number `level` (the grid levelGrid) spread over the top level's width x height, as
// it covers the element: each pixel repeated 2^level times each way, without smoothing. The
// element is taken as tiled, so where the level falls short of the size (odd sides) it starts
// again from its other edge.
PixelGrid LevelAtTopSize(const PixelGrid& levelGrid, int level, int width, int height);

}  // namespace tessella::pixels
