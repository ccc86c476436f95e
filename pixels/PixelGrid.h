#pragma once
// The working pixel array: rows of blue-green-red pixels, row 0 at the top, stored contiguously
// with one spare row and spare columns beyond the picture. A picture with transparency also
// has an alpha plane, one byte a pixel; an opaque picture has none and costs nothing more.

#include <sys/mman.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

// Loops over 3-byte pixels vectorise only with byte shuffles (AVX2): a row function marked so
// is compiled twice and the processor's own version is chosen when the program loads. The
// choosing code runs before a sanitizer's runtime is ready, so sanitized builds keep one version.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
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

// How a 5-bit channel (15/16-bit pictures) becomes 8 bits: times 8, so 31 gives 248. The one
// rule for every reader and every conversion, so a file shows one colour wherever it is used.
constexpr uint8_t FiveBitChannel(unsigned value) {
    return static_cast<uint8_t>((value & 31) * 8);
}
// The 6-bit green of 5-6-5 pixels: times 4.
constexpr uint8_t SixBitChannel(unsigned value) {
    return static_cast<uint8_t>((value & 63) * 4);
}

namespace detail {

// Pixel storage. Large blocks come straight from the system, 2 MB-aligned and marked for huge
// pages: they arrive zeroed, cost one page fault per 2 MB instead of per 4 KB where the system
// grants huge pages, and go back to the system when freed. Small blocks use the heap.
class PixelStorage {
  public:
    static constexpr std::size_t kHugePage = std::size_t{2} << 20;
    static constexpr std::size_t kMappedFrom = std::size_t{1} << 20;

    // Room for count pixels, or nullptr. zeroed tells whether the block arrived cleared.
    static Bgr* allocate(std::size_t count, bool& zeroed) {
        const std::size_t bytes = count * sizeof(Bgr);
        if (bytes < kMappedFrom) {
            zeroed = true;
            return static_cast<Bgr*>(std::calloc(count ? count : 1, sizeof(Bgr)));
        }
        zeroed = true;
        const std::size_t mapped = MappedBytes(count);
        void* raw = ::mmap(nullptr, mapped + kHugePage, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED) return nullptr;
        // Trim to a 2 MB boundary on both sides.
        const auto start = reinterpret_cast<std::uintptr_t>(raw);
        const std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
        if (aligned > start) ::munmap(raw, aligned - start);
        const std::size_t tail = start + mapped + kHugePage - (aligned + mapped);
        if (tail > 0) ::munmap(reinterpret_cast<void*>(aligned + mapped), tail);
#ifdef MADV_HUGEPAGE
        (void)::madvise(reinterpret_cast<void*>(aligned), mapped, MADV_HUGEPAGE);  // a hint
#endif
        return reinterpret_cast<Bgr*>(aligned);
    }

    static void release(Bgr* block, std::size_t count) {
        if (!block) return;
        if (count * sizeof(Bgr) < kMappedFrom)
            std::free(block);
        else
            ::munmap(block, MappedBytes(count));
    }

  private:
    static std::size_t MappedBytes(std::size_t count) {
        return (count * sizeof(Bgr) + kHugePage - 1) & ~(kHugePage - 1);
    }
};

}  // namespace detail

class PixelGrid {
  public:
    PixelGrid() = default;
    PixelGrid(int width, int height) { resize(width, height); }
    PixelGrid(const PixelGrid& other) { copyFrom(other); }
    PixelGrid(PixelGrid&& other) noexcept { swap(other); }
    PixelGrid& operator=(const PixelGrid& other) {
        if (this != &other) {
            PixelGrid copy(other);  // a failed allocation leaves this one as it was
            swap(copy);
        }
        return *this;
    }
    PixelGrid& operator=(PixelGrid&& other) noexcept {
        PixelGrid taken(std::move(other));
        swap(taken);
        return *this;
    }
    ~PixelGrid() { detail::PixelStorage::release(pixels_, capacity_); }

    friend void swap(PixelGrid& a, PixelGrid& b) noexcept { a.swap(b); }
    void swap(PixelGrid& other) noexcept {
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
        std::swap(stride_, other.stride_);
        std::swap(pixels_, other.pixels_);
        std::swap(used_, other.used_);
        std::swap(capacity_, other.capacity_);
        alpha_.swap(other.alpha_);
    }

    // Sizes the array for width x height pixels (contents zeroed, opaque: no alpha plane).
    // Callers check the size against the shared pixel limit first.
    // The storage is sized before the fields change, so a failed allocation leaves the array
    // as it was.
    void resize(int width, int height) {
        const int stride = width + kSpareColumns;
        const std::size_t count = Count(stride, height);
        if (!grow(count, false)) std::memset(static_cast<void*>(pixels_), 0, count * sizeof(Bgr));
        used_ = count;
        setSize(width, height, stride);
        dropAlpha();
    }

    // Sizes the array for width x height pixels, keeping the storage: the contents are left
    // as they were (operations that rewrite every pixel use it to avoid clearing). Cells
    // beyond the previous size read as zero. The alpha plane goes: an operation that keeps
    // transparency gives the result its plane itself (addAlpha).
    void reshape(int width, int height) {
        const int stride = width + kSpareColumns;
        const std::size_t count = Count(stride, height);
        if (!grow(count, true) && count > used_)
            std::memset(static_cast<void*>(pixels_ + used_), 0, (count - used_) * sizeof(Bgr));
        used_ = count;
        setSize(width, height, stride);
        dropAlpha();
    }

    // The alpha plane: width bytes a row, rows one after the other, 0 transparent to 255
    // opaque. Colours under a transparent texel are kept: they are data, not background.
    bool hasAlpha() const { return !alpha_.empty(); }
    uint8_t* alphaRow(int y) { return alpha_.data() + static_cast<size_t>(y) * width_; }
    const uint8_t* alphaRow(int y) const { return alpha_.data() + static_cast<size_t>(y) * width_; }
    // 255 where the picture has no plane.
    uint8_t alphaAt(int x, int y) const { return hasAlpha() ? alphaRow(y)[x] : uint8_t{255}; }
    // Gives the picture a plane of the given value (every texel) when it has none.
    void addAlpha(uint8_t value = 255) {
        if (!hasAlpha()) alpha_.assign(static_cast<size_t>(width_) * height_, value);
    }
    void dropAlpha() { std::vector<uint8_t>().swap(alpha_); }
    // Drops the plane when no texel is below 255; answers whether the picture keeps one.
    bool settleAlpha() {
        for (uint8_t a : alpha_)
            if (a != 255) return true;
        dropAlpha();
        return false;
    }
    // Takes other's alpha plane (or its lack of one); both grids have the same size.
    void assignAlpha(const PixelGrid& other) { alpha_ = other.alpha_; }
    // Bytes the alpha plane holds.
    std::size_t alphaBytes() const { return alpha_.size(); }

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels from one row start to the next (width plus the spare columns).
    int stride() const { return stride_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    Bgr* row(int y) { return pixels_ + static_cast<size_t>(y) * stride_; }
    const Bgr* row(int y) const { return pixels_ + static_cast<size_t>(y) * stride_; }
    Bgr& at(int x, int y) { return row(y)[x]; }
    const Bgr& at(int x, int y) const { return row(y)[x]; }

    // Same size and the same pixels in rows 0..H-1, columns 0..W-1 (spare cells ignored),
    // with the same alpha (no plane reads as 255 everywhere).
    bool samePicture(const PixelGrid& other) const {
        if (width_ != other.width_ || height_ != other.height_) return false;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (!(at(x, y) == other.at(x, y)) || alphaAt(x, y) != other.alphaAt(x, y))
                    return false;
        return true;
    }

    // Enough for a BMP row's padding (at most 3 bytes) plus one.
    static constexpr int kSpareColumns = 4;

  private:
    static std::size_t Count(int stride, int height) {
        return static_cast<size_t>(stride) * static_cast<size_t>(height + 1);
    }

    // Makes room for count pixels. Answers true when it took a new, zeroed block; keep tells
    // whether the old contents move along.
    bool grow(std::size_t count, bool keep) {
        if (count <= capacity_ && pixels_) return false;
        bool zeroed = false;
        Bgr* block = detail::PixelStorage::allocate(count, zeroed);
        if (!block) throw std::bad_alloc();
        if (!zeroed) std::memset(static_cast<void*>(block), 0, count * sizeof(Bgr));
        if (keep && used_ > 0) std::memcpy(static_cast<void*>(block), pixels_, used_ * sizeof(Bgr));
        detail::PixelStorage::release(pixels_, capacity_);
        pixels_ = block;
        capacity_ = count;
        return true;
    }

    void copyFrom(const PixelGrid& other) {
        alpha_ = other.alpha_;
        if (!other.pixels_) return;
        grow(other.used_, false);
        std::memcpy(static_cast<void*>(pixels_), other.pixels_, other.used_ * sizeof(Bgr));
        used_ = other.used_;
        setSize(other.width_, other.height_, other.stride_);
    }

    void setSize(int width, int height, int stride) {
        width_ = width;
        height_ = height;
        stride_ = stride;
    }

    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    Bgr* pixels_ = nullptr;
    std::size_t used_ = 0;        // pixels in use, spare cells included
    std::size_t capacity_ = 0;    // pixels the block holds
    std::vector<uint8_t> alpha_;  // empty for an opaque picture
};

}  // namespace tessella::pixels
