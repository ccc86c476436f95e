#include "pixels/LargeImage.h"

#include <memory>

#include "pixels/PixelGrid.h"

namespace tessella::pixels {

namespace {

struct Block {
    Bgr* pixels;
    std::size_t count;
};

void Release(void* info) {
    std::unique_ptr<Block> block(static_cast<Block*>(info));
    detail::PixelStorage::release(block->pixels, block->count);
}

}  // namespace

QImage NewImage(int width, int height, QImage::Format format) {
    if (width <= 0 || height <= 0) return {};
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bytesPerLine = ((qsizetype(width) * depth + 31) / 32) * 4;
    const auto bytes = std::size_t(bytesPerLine) * std::size_t(height);
    if (bytes < detail::PixelStorage::kMappedFrom) return QImage(width, height, format);
    const std::size_t count = (bytes + sizeof(Bgr) - 1) / sizeof(Bgr);
    bool zeroed = false;
    Bgr* pixels = detail::PixelStorage::allocate(count, zeroed);
    if (!pixels) return {};
    auto* block = new Block{pixels, count};
    return QImage(reinterpret_cast<uchar*>(pixels), width, height, bytesPerLine, format, Release,
                  block);
}

}  // namespace tessella::pixels
