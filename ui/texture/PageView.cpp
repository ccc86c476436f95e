#include "ui/texture/PageView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/Rounding.h"
#include "texture/ReplaceMask.h"
#include "ui/widgets/Checkerboard.h"

namespace tessella::texture {

using platform::RoundHalfEven;

PageView::PageView(QWidget* parent) : widgets::ImageBox(parent) {
    setAutoSize(true);
    setCenter(true);
    setCursor(Qt::CrossCursor);
    // Every exposed pixel is painted, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::applyZoom(double zoom) {
    zoom_ = zoom;
    setAutoSize(false);
    setStretch(true);
    setBoxSize(RoundHalfEven(picture().width() * zoom), RoundHalfEven(picture().height() * zoom));
    placeMask();
}

void PageView::setMask(int x, int y, int width, int height) {
    mask_ = QRect(x, y, width, height);
    placeMask();
}

void PageView::setMaskVisible(bool visible) {
    maskVisible_ = visible;
    update();
}

void PageView::placeMask() {
    maskView_ = texture::MaskGeometry(mask_.x(), mask_.y(), mask_.width(), mask_.height(), zoom_);
    update();
}

namespace {

constexpr int kPatternSide = 8;  // Qt's brush patterns repeat every 8 pixels

// Qt's diagonal-cross brush as an 8 x 8 tile of marks, its origin at the mask's corner.
const std::vector<bool>& CrossTile() {
    static const std::vector<bool> tile = [] {
        QImage shape(kPatternSide, kPatternSide, QImage::Format_ARGB32);
        shape.fill(Qt::transparent);
        {
            QPainter p(&shape);
            p.fillRect(shape.rect(), QBrush(Qt::red, Qt::DiagCrossPattern));
        }
        std::vector<bool> marks(kPatternSide * kPatternSide);
        for (int y = 0; y < kPatternSide; ++y)
            for (int x = 0; x < kPatternSide; ++x)
                marks[static_cast<size_t>(y * kPatternSide + x)] = qAlpha(shape.pixel(x, y)) != 0;
        return marks;
    }();
    return tile;
}

// NOT-XOR with a red pen: every pixel of the outline and the cross pattern inside becomes
// not(red xor pixel), exactly once. target holds the view's pixels from origin on.
void PaintMaskNotXor(QImage& target, QPoint origin, const QRect& mask) {
    const QRect clip = mask.intersected(QRect(origin, target.size()));
    if (clip.isEmpty()) return;
    const std::vector<bool>& tile = CrossTile();
    constexpr QRgb kRed = 0x00FF0000u;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y - origin.y()));
        const int my = y - mask.top();
        const bool edgeRow = my == 0 || y == mask.bottom();
        const size_t tileRow = static_cast<size_t>(my % kPatternSide) * kPatternSide;
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const int mx = x - mask.left();
            const bool mark = edgeRow || mx == 0 || x == mask.right() ||
                              tile[tileRow + static_cast<size_t>(mx % kPatternSide)];
            if (!mark) continue;
            QRgb& pixel = line[x - origin.x()];
            pixel = 0xFF000000u | (~(kRed ^ pixel) & 0x00FFFFFFu);
        }
    }
}

// The source pixel under each target pixel of a span: nearest neighbour at the pixel's
// centre, so that a zoomed pixel covers R(zoom)-wide runs like Qt's own scaling.
std::vector<int> SourceIndices(int from, int count, int destinationSize, int sourceSize) {
    std::vector<int> indices(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const int64_t d = int64_t{from} + i;
        const int64_t s = ((2 * d + 1) * sourceSize) / (2 * int64_t{destinationSize});
        indices[static_cast<size_t>(i)] =
            static_cast<int>(std::clamp<int64_t>(s, 0, sourceSize - 1));
    }
    return indices;
}

// One target row from one picture row, for the formats the page comes in; others go through
// QImage::pixel, slower but right.
void FillRow(QRgb* out, const QImage& picture, int sourceRow, const std::vector<int>& columns) {
    const uchar* row = picture.constScanLine(sourceRow);
    const size_t n = columns.size();
    switch (picture.format()) {
        case QImage::Format_BGR888:
            for (size_t i = 0; i < n; ++i) {
                const uchar* p = row + 3 * columns[i];
                out[i] = qRgb(p[2], p[1], p[0]);
            }
            break;
        case QImage::Format_RGB888:
            for (size_t i = 0; i < n; ++i) {
                const uchar* p = row + 3 * columns[i];
                out[i] = qRgb(p[0], p[1], p[2]);
            }
            break;
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied: {
            const auto* line = reinterpret_cast<const QRgb*>(row);
            for (size_t i = 0; i < n; ++i) out[i] = 0xFF000000u | line[columns[i]];
            break;
        }
        default:
            for (size_t i = 0; i < n; ++i)
                out[i] = 0xFF000000u | picture.pixel(columns[i], sourceRow);
            break;
    }
}

// The same row's texels with their alpha (non-premultiplied), for a page with transparency.
void FillTexels(QRgb* out, const QImage& picture, int sourceRow, const std::vector<int>& columns) {
    const size_t n = columns.size();
    if (picture.format() == QImage::Format_ARGB32) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(sourceRow));
        for (size_t i = 0; i < n; ++i) out[i] = line[columns[i]];
        return;
    }
    for (size_t i = 0; i < n; ++i) out[i] = picture.pixelColor(columns[i], sourceRow).rgba();
}

}  // namespace

void PageView::paintEvent(QPaintEvent* event) {
    // Only the exposed part is drawn, straight from the picture's rows: a zoomed big page
    // costs what the screen shows, not what the page holds.
    const QRect exposed = event->rect().intersected(rect());
    if (exposed.isEmpty()) return;
    QImage buffer(exposed.size(), QImage::Format_RGB32);
    buffer.fill(palette().color(QPalette::Window));
    const QImage& page = picture();
    const QRect placed = pictureRect();
    const QRect drawn = placed.intersected(exposed);
    if (!page.isNull() && !drawn.isEmpty()) {
        const std::vector<int> columns = SourceIndices(drawn.left() - placed.left(), drawn.width(),
                                                       placed.width(), page.width());
        const std::vector<int> rows = SourceIndices(drawn.top() - placed.top(), drawn.height(),
                                                    placed.height(), page.height());
        if (page.hasAlphaChannel()) {
            paintOverCheckerboard(buffer, exposed.topLeft(), drawn, columns, rows);
        } else {
            paintOpaque(buffer, exposed.topLeft(), drawn, columns, rows);
        }
    }
    if (maskVisible_ && !maskView_.isEmpty()) PaintMaskNotXor(buffer, exposed.topLeft(), maskView_);
    QPainter(this).drawImage(exposed.topLeft(), buffer);
}

void PageView::paintOpaque(QImage& buffer, QPoint origin, const QRect& drawn,
                           const std::vector<int>& columns, const std::vector<int>& rows) const {
    const QImage& page = picture();
    for (int i = 0; i < drawn.height(); ++i) {
        auto* out = reinterpret_cast<QRgb*>(buffer.scanLine(drawn.top() - origin.y() + i)) +
                    (drawn.left() - origin.x());
        // A zoomed row repeats the one above when both come from the same picture row.
        if (i > 0 && rows[static_cast<size_t>(i)] == rows[static_cast<size_t>(i - 1)])
            std::copy_n(out - buffer.bytesPerLine() / 4, drawn.width(), out);
        else
            FillRow(out, page, rows[static_cast<size_t>(i)], columns);
    }
}

void PageView::paintOverCheckerboard(QImage& buffer, QPoint origin, const QRect& drawn,
                                     const std::vector<int>& columns,
                                     const std::vector<int>& rows) const {
    // The board counts screen pixels from the picture's corner; a picture row is read once
    // for the view rows it covers.
    const QImage& page = picture();
    const QPoint corner = pictureRect().topLeft();
    std::vector<QRgb> texels(static_cast<size_t>(drawn.width()));
    int texelRow = -1;
    for (int i = 0; i < drawn.height(); ++i) {
        const int sourceRow = rows[static_cast<size_t>(i)];
        if (sourceRow != texelRow) {
            FillTexels(texels.data(), page, sourceRow, columns);
            texelRow = sourceRow;
        }
        const int y = drawn.top() + i;
        auto* out =
            reinterpret_cast<QRgb*>(buffer.scanLine(y - origin.y())) + (drawn.left() - origin.x());
        widgets::BlendRowOverCheckerboard(texels.data(), out, drawn.width(),
                                          drawn.left() - corner.x(), y - corner.y());
    }
}

}  // namespace tessella::texture
