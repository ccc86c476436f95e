#include "pixels/Blur.h"

#include "platform/Error.h"

namespace tessella::pixels {

namespace {

// Reads and writes with coordinates limited to the picture, so edge pixels repeat.
class LimitedPicture {
  public:
    explicit LimitedPicture(TabImage& image)
        : image_(image), w_(image.width()), h_(image.height()) {}

    Bgr& at(int x, int y) {
        x = x < 0 ? 0 : (x >= w_ ? w_ - 1 : x);
        y = y < 0 ? 0 : (y >= h_ ? h_ - 1 : y);
        return image_.at(x, y);
    }

    // Per channel, the sum of the block with corners (x, y) and (x + 1, y + 1) div 4.
    Bgr mean(int x, int y) {
        const Bgr a = at(x, y), b = at(x, y + 1), c = at(x + 1, y + 1), d = at(x + 1, y);
        return {static_cast<uint8_t>((a.b + b.b + c.b + d.b) >> 2),
                static_cast<uint8_t>((a.g + b.g + c.g + d.g) >> 2),
                static_cast<uint8_t>((a.r + b.r + c.r + d.r) >> 2)};
    }

    void fill(int x, int y, Bgr m) {
        at(x, y) = m;
        at(x, y + 1) = m;
        at(x + 1, y + 1) = m;
        at(x + 1, y) = m;
    }

    void average(int x, int y) { fill(x, y, mean(x, y)); }

  private:
    TabImage& image_;
    int w_;
    int h_;
};

// Variant 0. Going down column x, block (x, y) reads the mean m just written into row y by
// block (x, y - 1) in both columns, so its mean is (2m + the two pixels of row y + 1) div 4, and
// each row of the two columns ends with the mean of the block starting on it (the last row
// keeps the one before, which the limited last block rewrites unchanged).
void SmoothAll(TabImage& image) {
    const int w = image.width();
    const int h = image.height();
    const ptrdiff_t s = image.stride();
    for (int x = 0; x < w; ++x) {
        Bgr* a = image.row(0) + x;
        Bgr* b = x + 1 < w ? a + 1 : a;  // the right neighbour, limited
        int mb, mg, mr;
        if (h == 1) {
            mb = (a->b + b->b) >> 1;
            mg = (a->g + b->g) >> 1;
            mr = (a->r + b->r) >> 1;
        } else {
            mb = (a->b + a[s].b + b[s].b + b->b) >> 2;
            mg = (a->g + a[s].g + b[s].g + b->g) >> 2;
            mr = (a->r + a[s].r + b[s].r + b->r) >> 2;
        }
        Bgr m{static_cast<uint8_t>(mb), static_cast<uint8_t>(mg), static_cast<uint8_t>(mr)};
        *a = m;
        *b = m;
        for (int y = 1; y < h - 1; ++y) {
            a += s;
            b += s;
            const Bgr na = a[s], nb = b[s];
            mb = (2 * mb + na.b + nb.b) >> 2;
            mg = (2 * mg + na.g + nb.g) >> 2;
            mr = (2 * mr + na.r + nb.r) >> 2;
            m = {static_cast<uint8_t>(mb), static_cast<uint8_t>(mg), static_cast<uint8_t>(mr)};
            *a = m;
            *b = m;
        }
        if (h > 1) {
            a[s] = m;
            b[s] = m;
        }
    }
}

void SmoothBorders(LimitedPicture& p, int w, int h) {
    for (int x = 0; x < w; ++x) p.average(x, 0);
    for (int x = 0; x < w; ++x) p.average(x, h - 1);
    for (int y = 0; y < h; ++y) p.average(0, y);
    for (int y = 0; y < h; ++y) p.average(w - 1, y);
}

// Variants 1..4: each block mean goes to the block shifted by the variant, walking down.
void ShiftDown(LimitedPicture& p, int w, int h, int variant) {
    for (int y = 0; y < h - 1; y += 2) {
        for (int x = 0; x < w - 1; x += 2) {
            const Bgr m = p.mean(x, y);
            switch (variant) {
                case 1:
                    p.fill(x + 1, y, m);
                    break;
                case 2:
                    p.fill(x, y + 1, m);
                    break;
                case 3:
                    p.fill(x + 1, y + 1, m);
                    break;
                default:
                    p.fill(x - 2, y + 1, m);
                    break;
            }
        }
    }
}

// Variants 5..8: the same walking up from the bottom-right corner; the first row and column of
// the walk are always done.
void ShiftUp(LimitedPicture& p, int w, int h, int variant) {
    int y = h - 1;
    do {
        int x = w - 1;
        do {
            const Bgr m = p.mean(x - 1, y - 1);
            switch (variant) {
                case 5:
                    p.fill(x - 2, y - 1, m);
                    break;
                case 6:
                    p.fill(x - 1, y - 2, m);
                    break;
                case 7:
                    p.fill(x - 2, y - 2, m);
                    break;
                default:
                    p.fill(x + 1, y - 2, m);
                    break;
            }
            x -= 2;
        } while (x > 1);
        y -= 2;
    } while (y > 1);
}

}  // namespace

void Blur(TabImage& picture, int variant) {
    if (variant < 0 || variant > 8) throw platform::TessellaError(platform::kRangeMessage);
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0) return;
    if (variant == 0) {
        SmoothAll(picture);
        return;
    }
    LimitedPicture p(picture);
    SmoothBorders(p, w, h);
    if (variant <= 4)
        ShiftDown(p, w, h, variant);
    else
        ShiftUp(p, w, h, variant);
}

}  // namespace tessella::pixels
