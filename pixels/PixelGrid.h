#pragma once
// The working pixel array: rows of blue-green-red pixels, row 0 at the top, stored contiguously
// with one spare row and spare columns beyond the picture.

#include <cstddef>
#include <cstdint>
#include <vector>

// Loops over 3-byte pixels vectorise only with byte shuffles (AVX2): a row function marked so
// is compiled twice and the processor's own version is chosen when the program loads.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_ADDRESS__)
#define TESSELLA_PIXEL_LOOP __attribute__((target_clones("avx2", "default")))
#else
#define TESSELLA_PIXEL_LOOP
#endif

namespace tessella::pixels {

struct Bgr {
    uint8_t b = 0, g = 0, r = 0;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};
static_assert(sizeof(Bgr) == 3);

class PixelGrid {
  public:
    PixelGrid() = default;
    PixelGrid(int width, int height) { resize(width, height); }

    // Sizes the array for width x height pixels (contents zeroed). Callers check the size
    // against the shared pixel limit first.
    // The storage is sized before the fields change, so a failed allocation leaves the array
    // as it was.
    void resize(int width, int height) {
        const int stride = width + kSpareColumns;
        pixels_.assign(static_cast<size_t>(stride) * static_cast<size_t>(height + 1), Bgr{});
        setSize(width, height, stride);
    }

    // Sizes the array for width x height pixels, keeping the storage: the contents are left
    // as they were (operations that rewrite every pixel use it to avoid clearing).
    void reshape(int width, int height) {
        const int stride = width + kSpareColumns;
        pixels_.resize(static_cast<size_t>(stride) * static_cast<size_t>(height + 1));
        setSize(width, height, stride);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels from one row start to the next (width plus the spare columns).
    int stride() const { return stride_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    Bgr* row(int y) { return pixels_.data() + static_cast<size_t>(y) * stride_; }
    const Bgr* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * stride_; }
    Bgr& at(int x, int y) { return row(y)[x]; }
    const Bgr& at(int x, int y) const { return row(y)[x]; }

    // Same size and the same pixels in rows 0..H-1, columns 0..W-1 (spare cells ignored).
    bool samePicture(const PixelGrid& other) const {
        if (width_ != other.width_ || height_ != other.height_) return false;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (!(at(x, y) == other.at(x, y))) return false;
        return true;
    }

    // Enough for a BMP row's padding (at most 3 bytes) plus one.
    static constexpr int kSpareColumns = 4;

  private:
    void setSize(int width, int height, int stride) {
        width_ = width;
        height_ = height;
        stride_ = stride;
    }

    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<Bgr> pixels_;
};

}  // namespace tessella::pixels
