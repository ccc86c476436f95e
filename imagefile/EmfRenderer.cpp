#include "imagefile/EmfRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numbers>
#include <variant>
#include <vector>

#include "imagefile/ImageFileTexts.h"
#include "platform/ColourValue.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

[[noreturn]] void Invalid() {
    throw platform::TessellaError(kEmfInvalidMessage);
}

// Record types played here; the rest are skipped by their size.
enum Record : uint32_t {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolylineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExtEx = 9,
    kSetWindowOrgEx = 10,
    kSetViewportExtEx = 11,
    kSetViewportOrgEx = 12,
    kEof = 14,
    kSetPixelV = 15,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kMoveToEx = 27,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kSaveDc = 33,
    kRestoreDc = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrushIndirect = 39,
    kDeleteObject = 40,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kArc = 45,
    kChord = 46,
    kPie = 47,
    kLineTo = 54,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kAbortPath = 68,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kStretchDiBits = 81,
    kExtCreateFontIndirectW = 82,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kCreateMonoBrush = 93,
    kCreateDibPatternBrushPt = 94,
    kExtCreatePen = 95,
};

constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr qsizetype kHeaderMinSize = 88;
constexpr uint32_t kStockObject = 0x80000000u;
// The pixels one picture may paint, summed over its records: sixteen frames of the largest
// size. Painting costs in proportion to the area covered, so a small file of many full-frame
// records (2,000 rectangles over 16384 x 8192) would otherwise keep the renderer busy for a
// minute; real metafiles paint their frame a few times over.
constexpr double kPaintBudget = 16.0 * double(platform::kMaxImagePixels);

// Bounds-checked little-endian fields of one record: a field outside it makes the file invalid.
class Fields {
  public:
    Fields(const uint8_t* bytes, qsizetype size) : bytes_(bytes), size_(size) {}
    qsizetype size() const { return size_; }
    bool Has(qsizetype at, qsizetype count) const {
        return at >= 0 && count >= 0 && at <= size_ && count <= size_ - at;
    }
    const uint8_t* Span(qsizetype at, qsizetype count) const {
        if (!Has(at, count)) Invalid();
        return bytes_ + at;
    }
    uint32_t U32(qsizetype at) const {
        const uint8_t* p = Span(at, 4);
        return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
    }
    int32_t S32(qsizetype at) const { return static_cast<int32_t>(U32(at)); }
    uint16_t U16(qsizetype at) const {
        const uint8_t* p = Span(at, 2);
        return static_cast<uint16_t>(p[0] | p[1] << 8);
    }
    int16_t S16(qsizetype at) const { return static_cast<int16_t>(U16(at)); }
    float F32(qsizetype at) const {
        const uint32_t bits = U32(at);
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }
    QColor Colour(qsizetype at) const { return platform::ColourValue(U32(at)).toQColor(); }
    QPointF Point(qsizetype at) const { return QPointF(S32(at), S32(at + 4)); }
    QRectF Box(qsizetype at) const {  // RECTL: left, top, right, bottom
        return QRectF(QPointF(S32(at), S32(at + 4)), QPointF(S32(at + 8), S32(at + 12)));
    }

  private:
    const uint8_t* bytes_;
    qsizetype size_;
};

// ---- Device-independent bitmaps carried by bitmap records and pattern brushes ----

// The bitmap at the given offsets of the record, as Format_RGB32 top row first; a null image
// for the variants not drawn here (compressed, 16-bit, palette-relative colours).
QImage ReadDib(const Fields& r, uint32_t offBmi, uint32_t cbBmi, uint32_t offBits, uint32_t cbBits,
               uint32_t usage) {
    const Fields info(r.Span(offBmi, cbBmi), cbBmi);
    const Fields bits(r.Span(offBits, cbBits), cbBits);
    const uint32_t headerSize = info.U32(0);
    if (headerSize < 40 || headerSize > cbBmi) Invalid();
    const int64_t width = info.S32(4);
    const int64_t signedHeight = info.S32(8);
    const int bitCount = info.U16(14);
    const uint32_t compression = info.U32(16);
    const uint32_t used = info.U32(32);
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    platform::CheckImageSize(width, height, kEmfWhat);
    const bool plainRgb = compression == 0 || (compression == 3 && bitCount == 32);
    if (!plainRgb || usage != 0) return {};
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return {};
    const int64_t stride = (width * bitCount + 31) / 32 * 4;
    if (stride * height > cbBits) Invalid();

    std::vector<QRgb> palette;
    if (bitCount <= 8) {
        const uint32_t entries = std::min<uint32_t>(used ? used : 1u << bitCount, 1u << bitCount);
        const uint8_t* table = info.Span(headerSize, qsizetype{entries} * 4);
        for (uint32_t i = 0; i < entries; ++i)
            palette.push_back(qRgb(table[i * 4 + 2], table[i * 4 + 1], table[i * 4]));
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    for (int64_t y = 0; y < height; ++y) {
        const int64_t stored = signedHeight < 0 ? y : height - 1 - y;  // bottom-up unless negative
        const uint8_t* in = bits.Span(stored * stride, stride);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (int64_t x = 0; x < width; ++x) {
            if (bitCount >= 24) {
                const uint8_t* p = in + x * (bitCount / 8);
                out[x] = qRgb(p[2], p[1], p[0]);
            } else {
                const int64_t bit = x * bitCount;
                const int shift = 8 - bitCount - static_cast<int>(bit % 8);
                const size_t index = (in[bit / 8] >> shift) & ((1u << bitCount) - 1);
                out[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
        }
    }
    return image;
}

// ---- Graphic objects and the device context ----

struct PenSpec {
    uint32_t style = 0;  // PS_* with end cap, join and geometric bits
    double width = 0;    // logical units; 0 or 1 is one pixel
    QColor colour = Qt::black;
    bool geometric = false;
};
struct BrushSpec {
    uint32_t style = 0;  // BS_SOLID, BS_NULL, BS_HATCHED, or 3 for a bitmap pattern
    QColor colour = Qt::white;
    uint32_t hatch = 0;
    QImage pattern;
};
struct FontSpec {
    int32_t height = -12;
    int32_t escapement = 0;
    int32_t weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    QString face;
};
using GdiObject = std::variant<std::monostate, PenSpec, BrushSpec, FontSpec>;

struct DcState {
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    QColor textColour = Qt::black;
    QColor bkColour = Qt::white;
    bool opaqueBk = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    uint32_t textAlign = 0;
    uint32_t mapMode = 1;
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt{1, 1}, viewportExt{1, 1};
    QTransform world;
    QPointF current;
    bool clipped = false;
    QRegion clip;
};

class EmfPlayer {
  public:
    EmfPlayer(QImage& canvas, const QTransform& deviceToBitmap, double pxPerMmX, double pxPerMmY,
              int handles)
        : canvas_(canvas),
          painter_(&canvas),
          deviceToBitmap_(deviceToBitmap),
          pxPerMmX_(pxPerMmX),
          pxPerMmY_(pxPerMmY),
          objects_(static_cast<size_t>(handles)) {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        UpdateTransform();
    }

    void Play(uint32_t type, const Fields& r);

  private:
    // Logical coordinates to bitmap pixels: world, then page (mapping mode), then frame.
    void UpdateTransform() {
        const DcState& s = dc_;
        double sx = 1, sy = 1;
        QPointF windowOrg = s.windowOrg;
        const double mmPerUnit[] = {0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
        if (s.mapMode >= 2 && s.mapMode <= 6) {  // metric and English modes: y grows upward
            sx = pxPerMmX_ * mmPerUnit[s.mapMode - 2];
            sy = -pxPerMmY_ * mmPerUnit[s.mapMode - 2];
        } else if (s.mapMode == 7 || s.mapMode == 8) {
            sx = s.viewportExt.width() / s.windowExt.width();
            sy = s.viewportExt.height() / s.windowExt.height();
            if (s.mapMode == 7) {  // isotropic: the smaller scale on both axes
                const double m = std::min(std::fabs(sx), std::fabs(sy));
                sx = std::copysign(m, sx);
                sy = std::copysign(m, sy);
            }
        }
        const QTransform page(sx, 0, 0, sy, s.viewportOrg.x() - windowOrg.x() * sx,
                              s.viewportOrg.y() - windowOrg.y() * sy);
        toBitmap_ = s.world * page * deviceToBitmap_;
        // Beyond these, coordinates could overflow into infinities: nothing is drawn then.
        const auto moderate = [](double v, double limit) { return std::fabs(v) <= limit; };
        usable_ = moderate(toBitmap_.m11(), 1e6) && moderate(toBitmap_.m12(), 1e6) &&
                  moderate(toBitmap_.m21(), 1e6) && moderate(toBitmap_.m22(), 1e6) &&
                  moderate(toBitmap_.dx(), 1e10) && moderate(toBitmap_.dy(), 1e10);
    }
    double Scale() const { return std::sqrt(std::fabs(toBitmap_.determinant())); }

    QPointF Device(QPointF logical) const { return toBitmap_.map(logical); }
    QPainterPath DevicePath(const QPainterPath& logical) const { return toBitmap_.map(logical); }

    // A box shape (rectangle, ellipse, rounded rectangle) without its right and bottom edges.
    QPainterPath BoxPath(const QRectF& box, int kind, QSizeF corner = {}) const {
        QPainterPath path;
        if (toBitmap_.type() <= QTransform::TxScale) {
            QRectF d = toBitmap_.mapRect(box.normalized());
            d.setSize(QSizeF(std::max(0.0, d.width() - 1), std::max(0.0, d.height() - 1)));
            const double cw = corner.width() * std::fabs(toBitmap_.m11()) / 2;
            const double ch = corner.height() * std::fabs(toBitmap_.m22()) / 2;
            if (kind == 0) path.addRect(d);
            if (kind == 1) path.addEllipse(d);
            if (kind == 2) path.addRoundedRect(d, cw, ch);
            return path;
        }
        if (kind == 0) path.addRect(box);
        if (kind == 1) path.addEllipse(box);
        if (kind == 2) path.addRoundedRect(box, corner.width() / 2, corner.height() / 2);
        return DevicePath(path);
    }

    QPen MakePen() const {
        const PenSpec& p = dc_.pen;
        const uint32_t style = p.style & 0x0F;
        if (style == 5) return Qt::NoPen;  // PS_NULL
        QPen pen(p.colour);
        const double width = p.width * Scale();
        pen.setWidthF(width > 1.5 && p.geometric ? std::min(width, 65536.0) : 0);
        static const Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                               Qt::SolidLine,   Qt::DashLine};
        pen.setStyle(style < 8 ? kStyles[style] : Qt::SolidLine);
        const uint32_t cap = p.style & 0x0F00, join = p.style & 0xF000;
        pen.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
        pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                         : join == 0x2000 ? Qt::MiterJoin
                                          : Qt::RoundJoin);
        return pen;
    }
    QBrush MakeBrush() const {
        const BrushSpec& b = dc_.brush;
        if (b.style == 1) return Qt::NoBrush;
        if (b.style == 2) {
            static const Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                      Qt::FDiagPattern, Qt::BDiagPattern,
                                                      Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(b.colour, b.hatch < 6 ? kHatches[b.hatch] : Qt::SolidPattern);
        }
        if (b.style == 3 && !b.pattern.isNull()) return QBrush(b.pattern);
        return QBrush(b.colour);
    }

    void Prepare() {
        painter_.setTransform(QTransform());
        painter_.setBackground(dc_.bkColour);
        painter_.setBackgroundMode(dc_.opaqueBk ? Qt::OpaqueMode : Qt::TransparentMode);
        if (dc_.clipped)
            painter_.setClipRegion(dc_.clip);
        else
            painter_.setClipping(false);
    }

    // Fills and/or outlines a device path, or adds it to the path being recorded. The fill
    // covers the pixels inside the path; the outline runs through pixel centres, which GDI
    // addresses and Qt puts half a pixel from its integer coordinates.
    void Draw(const QPainterPath& path, bool fill, bool stroke) {
        if (inPath_) {
            path_.addPath(path);
            return;
        }
        if (!usable_) return;
        Prepare();
        QPainterPath shape = path;
        shape.setFillRule(dc_.fillRule);
        const QRectF extent = shape.controlPointRect();
        if (fill) {
            Charge(extent);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(MakeBrush());
            painter_.drawPath(shape);
        }
        if (stroke) {
            const QPen pen = MakePen();
            if (pen.style() != Qt::NoPen) {
                const double reach = pen.widthF() / 2 + 1;
                Charge(extent.adjusted(-reach, -reach, reach, reach));
            }
            painter_.setPen(pen);
            painter_.setBrush(Qt::NoBrush);
            painter_.drawPath(shape.translated(0.5, 0.5));
        }
    }

    // Counts the pixels of the picture that a device rectangle covers against the budget.
    void Charge(const QRectF& device) {
        const QRectF visible = device.normalized().adjusted(-1, -1, 1, 1) & QRectF(canvas_.rect());
        const double area = visible.width() * visible.height();
        Spend(std::isfinite(area) && area >= 0 ? area : double(canvas_.width()) * canvas_.height());
    }
    void Spend(double pixels) {
        painted_ += pixels;
        if (painted_ > kPaintBudget) throw platform::TessellaError(kEmfTooMuchWorkMessage);
    }

    std::vector<QPointF> Points(const Fields& r, qsizetype at, uint32_t count, bool small) const {
        const qsizetype step = small ? 4 : 8;
        if (!r.Has(at, qsizetype{count} * step)) Invalid();
        std::vector<QPointF> points;
        points.reserve(count);
        for (uint32_t i = 0; i < count; ++i) {
            const qsizetype p = at + qsizetype{i} * step;
            points.push_back(small ? QPointF(r.S16(p), r.S16(p + 2)) : r.Point(p));
        }
        return points;
    }
    // Points of the record types with a bounds rectangle, a count and the points.
    std::vector<QPointF> RecordPoints(const Fields& r, bool small) const {
        return Points(r, 28, r.U32(24), small);
    }

    QPainterPath Polyline(const std::vector<QPointF>& pts, bool closed, bool bezier,
                          bool fromCurrent) {
        QPainterPath path;
        size_t i = 0;
        if (fromCurrent) {
            path.moveTo(Device(dc_.current));
        } else {
            if (pts.empty()) return path;
            path.moveTo(Device(pts[i++]));
        }
        if (bezier) {
            for (; i + 3 <= pts.size(); i += 3)
                path.cubicTo(Device(pts[i]), Device(pts[i + 1]), Device(pts[i + 2]));
        } else {
            for (; i < pts.size(); ++i) path.lineTo(Device(pts[i]));
        }
        if (closed) path.closeSubpath();
        if (fromCurrent && !pts.empty()) dc_.current = pts.back();
        return path;
    }

    void PolyPoly(const Fields& r, bool small, bool closed) {
        const uint32_t polys = r.U32(24);
        const uint32_t total = r.U32(28);
        if (!r.Has(32, qsizetype{polys} * 4)) Invalid();
        const std::vector<QPointF> pts = Points(r, 32 + qsizetype{polys} * 4, total, small);
        QPainterPath all;
        size_t at = 0;
        for (uint32_t i = 0; i < polys; ++i) {
            const uint32_t n = r.U32(32 + qsizetype{i} * 4);
            if (n > pts.size() - at) Invalid();
            all.addPath(Polyline({pts.begin() + at, pts.begin() + at + n}, closed, false, false));
            at += n;
        }
        Draw(all, closed, true);
    }

    void ArcShape(const Fields& r, int kind) {  // 0 arc, 1 chord, 2 pie
        const QRectF box = r.Box(8);
        const QPointF start = r.Point(24), end = r.Point(32);
        const QPointF c = box.center();
        // Counterclockwise on screen from the start radial to the end radial.
        const double a0 =
            std::atan2(-(start.y() - c.y()), start.x() - c.x()) * 180 / std::numbers::pi;
        double sweep =
            std::atan2(-(end.y() - c.y()), end.x() - c.x()) * 180 / std::numbers::pi - a0;
        if (sweep <= 0) sweep += 360;
        QPainterPath path;
        if (kind == 2) path.moveTo(c);
        path.arcMoveTo(box, a0);
        if (kind == 2) path.lineTo(path.currentPosition());
        path.arcTo(box, a0, sweep);
        if (kind != 0) path.closeSubpath();
        Draw(DevicePath(path), kind != 0, true);
    }

    void SetMapping(const Fields& r, uint32_t type) {
        const QPointF p(r.S32(8), r.S32(12));
        switch (type) {
            case kSetWindowOrgEx:
                dc_.windowOrg = p;
                break;
            case kSetViewportOrgEx:
                dc_.viewportOrg = p;
                break;
            case kSetWindowExtEx:  // GDI refuses a zero extent
                if (p.x() != 0 && p.y() != 0) dc_.windowExt = QSizeF(p.x(), p.y());
                break;
            case kSetViewportExtEx:
                if (p.x() != 0 && p.y() != 0) dc_.viewportExt = QSizeF(p.x(), p.y());
                break;
        }
        UpdateTransform();
    }

    // An XFORM of finite, moderate values, or nothing.
    bool ReadXform(const Fields& r, qsizetype at, QTransform& out) const {
        float v[6];
        for (int i = 0; i < 6; ++i) {
            v[i] = r.F32(at + i * 4);
            if (!std::isfinite(v[i]) || std::fabs(v[i]) > 1e7f) return false;
        }
        out = QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
        return true;
    }

    GdiObject& Slot(uint32_t index) {
        if (index == 0 || index >= objects_.size()) Invalid();
        return objects_[index];
    }
    void SelectStock(uint32_t n) {
        static const int kGreys[] = {255, 192, 128, 64, 0};
        if (n <= 4 || n == 18) {
            dc_.brush = BrushSpec{
                0, n == 18 ? QColor(Qt::white) : QColor(kGreys[n], kGreys[n], kGreys[n]), 0, {}};
        } else if (n == 5) {
            dc_.brush.style = 1;
        } else if (n == 6 || n == 7 || n == 19) {
            dc_.pen = PenSpec{0, 0, n == 6 ? QColor(Qt::white) : QColor(Qt::black), false};
        } else if (n == 8) {
            dc_.pen.style = 5;
        } else if (n >= 10 && n <= 17 && n != 15) {
            dc_.font = FontSpec{};
        }
    }
    void Select(uint32_t index) {
        if (index & kStockObject) return SelectStock(index & ~kStockObject);
        const GdiObject& object = Slot(index);
        if (auto* pen = std::get_if<PenSpec>(&object)) dc_.pen = *pen;
        if (auto* brush = std::get_if<BrushSpec>(&object)) dc_.brush = *brush;
        if (auto* font = std::get_if<FontSpec>(&object)) dc_.font = *font;
    }

    void CreateFont(const Fields& r) {
        if (!r.Has(12, 92)) return;  // LOGFONTW
        FontSpec f;
        f.height = r.S32(12);
        f.escapement = r.S32(20);
        f.weight = r.S32(28);
        f.italic = r.Span(32, 1)[0] != 0;
        f.underline = r.Span(33, 1)[0] != 0;
        f.strikeOut = r.Span(34, 1)[0] != 0;
        for (int i = 0; i < 32; ++i) {
            const uint16_t ch = r.U16(40 + i * 2);
            if (ch == 0) break;
            f.face.append(QChar(ch));
        }
        Slot(r.U32(8)) = f;
    }

    void Text(const Fields& r) {
        const QPointF reference = r.Point(36);
        const uint32_t count = r.U32(44);
        const uint32_t offset = r.U32(48);
        const uint32_t options = r.U32(52);
        const QRectF box = r.Box(56);
        const uint8_t* chars = r.Span(offset, qsizetype{count} * 2);
        QString text(static_cast<qsizetype>(count), Qt::Uninitialized);
        for (uint32_t i = 0; i < count; ++i)
            text[i] = QChar(static_cast<char16_t>(chars[i * 2] | chars[i * 2 + 1] << 8));
        if (!usable_ || inPath_) return;
        Prepare();
        const QRectF deviceBox = toBitmap_.mapRect(box.normalized());
        if (options & 0x2) {  // ETO_OPAQUE
            Charge(deviceBox);
            painter_.fillRect(deviceBox, dc_.bkColour);
        }
        if (options & 0x4) painter_.setClipRect(deviceBox, Qt::IntersectClip);
        const FontSpec& f = dc_.font;
        const double pixels = std::fabs(static_cast<double>(f.height ? f.height : 12)) * Scale();
        const double limit = std::max(canvas_.width(), canvas_.height()) * 2.0;
        if (text.isEmpty() || pixels < 1 || pixels > std::min(limit, 4096.0)) return;
        Spend(double(text.size()) *
              std::min(pixels * pixels, double(canvas_.width()) * canvas_.height()));
        QFont font(f.face.isEmpty() ? QStringLiteral("DejaVu Sans") : f.face);
        font.setPixelSize(static_cast<int>(pixels));
        font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight / 10 * 10, 100, 900)));
        font.setItalic(f.italic);
        font.setUnderline(f.underline);
        font.setStrikeOut(f.strikeOut);
        const QFontMetricsF metrics(font);
        const QPointF at =
            (dc_.textAlign & 1) ? toBitmap_.map(dc_.current) : toBitmap_.map(reference);
        if (std::fabs(at.x()) > 1e6 || std::fabs(at.y()) > 1e6) return;  // far off the picture
        double x = 0, y = 0;
        const uint32_t horizontal = dc_.textAlign & 6, vertical = dc_.textAlign & 24;
        if (horizontal == 6) x = -metrics.horizontalAdvance(text) / 2;
        if (horizontal == 2) x = -metrics.horizontalAdvance(text);
        if (vertical == 0) y = metrics.ascent();    // TA_TOP
        if (vertical == 8) y = -metrics.descent();  // TA_BOTTOM
        painter_.translate(at);
        painter_.rotate(-(f.escapement / 10.0));
        painter_.setFont(font);
        painter_.setPen(dc_.textColour);
        painter_.setBackgroundMode(Qt::TransparentMode);
        painter_.drawText(QPointF(x, y), text);
    }

    void Bitmap(const Fields& r, uint32_t type) {
        QRectF target, source;
        uint32_t rop, offBmi, cbBmi, offBits, cbBits, usage;
        if (type == kStretchDiBits) {
            target = QRectF(r.S32(24), r.S32(28), r.S32(72), r.S32(76));
            source = QRectF(r.S32(32), r.S32(36), r.S32(40), r.S32(44));
            offBmi = r.U32(48), cbBmi = r.U32(52), offBits = r.U32(56), cbBits = r.U32(60);
            usage = r.U32(64), rop = r.U32(68);
        } else {
            target = QRectF(r.S32(24), r.S32(28), r.S32(32), r.S32(36));
            rop = r.U32(40);
            source = QRectF(r.S32(44), r.S32(48), target.width(), target.height());
            usage = r.U32(80), offBmi = r.U32(84), cbBmi = r.U32(88);
            offBits = r.U32(92), cbBits = r.U32(96);
            if (type == kStretchBlt) source.setSize(QSizeF(r.S32(100), r.S32(104)));
        }
        if (cbBmi == 0) return PatternBlt(target, rop);
        const QImage dib = ReadDib(r, offBmi, cbBmi, offBits, cbBits, usage);
        if (dib.isNull() || !usable_ || inPath_) return;
        // StretchDIBits counts source rows from the bottom of the bitmap.
        if (type == kStretchDiBits) source.moveTop(dib.height() - source.top() - source.height());
        if (target.width() < 0 || target.height() < 0 || source.width() <= 0 ||
            source.height() <= 0)
            return;  // mirrored copies are not drawn
        const QRectF clipped = source & QRectF(dib.rect());
        if (clipped.isEmpty()) return;
        const double kx = target.width() / source.width(), ky = target.height() / source.height();
        const QRectF to(target.left() + (clipped.left() - source.left()) * kx,
                        target.top() + (clipped.top() - source.top()) * ky, clipped.width() * kx,
                        clipped.height() * ky);
        Charge(toBitmap_.mapRect(to));
        Prepare();
        painter_.setTransform(toBitmap_);
        painter_.setCompositionMode(RopMode(rop));
        painter_.drawImage(to, dib, clipped);
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    static QPainter::CompositionMode RopMode(uint32_t rop) {
        switch (rop) {
            case 0x008800C6:
                return QPainter::RasterOp_SourceAndDestination;
            case 0x00EE0086:
                return QPainter::RasterOp_SourceOrDestination;
            case 0x00660046:
                return QPainter::RasterOp_SourceXorDestination;
            case 0x00330008:
                return QPainter::RasterOp_NotSource;
            default:
                return QPainter::CompositionMode_SourceOver;
        }
    }
    void PatternBlt(const QRectF& target, uint32_t rop) {
        if (!usable_ || inPath_) return;
        Prepare();
        painter_.setTransform(toBitmap_);
        const QRectF box = target.normalized();
        Charge(toBitmap_.mapRect(box));
        if (rop == 0x00F00021) painter_.fillRect(box, MakeBrush());  // PATCOPY
        if (rop == 0x00000042) painter_.fillRect(box, Qt::black);    // BLACKNESS
        if (rop == 0x00FF0062) painter_.fillRect(box, Qt::white);    // WHITENESS
    }

    void Clip(const Fields& r, uint32_t type) {
        if (type == kExtSelectClipRgn) {  // only the reset (RGN_COPY without a region) is kept
            if (r.U32(8) == 0 && r.U32(12) == 5) dc_.clipped = false;
            return;
        }
        if (!usable_) return;
        const QRectF d = toBitmap_.mapRect(r.Box(8).normalized());
        const QRectF bounds(-1, -1, canvas_.width() + 2.0, canvas_.height() + 2.0);
        const QRect area = (d & bounds).toRect();
        if (!dc_.clipped) dc_.clip = QRegion(bounds.toRect());
        dc_.clip =
            type == kIntersectClipRect ? dc_.clip.intersected(area) : dc_.clip.subtracted(area);
        dc_.clipped = true;
    }

    void EndPathUse(uint32_t type) {
        if (type == kFillPath || type == kStrokePath || type == kStrokeAndFillPath) {
            inPath_ = false;
            Draw(path_, type != kStrokePath, type != kFillPath);
        }
        path_ = QPainterPath();
    }

    QImage& canvas_;
    QPainter painter_;
    QTransform deviceToBitmap_;
    double pxPerMmX_, pxPerMmY_;
    std::vector<GdiObject> objects_;
    DcState dc_;
    std::vector<DcState> saved_;
    QTransform toBitmap_;
    bool usable_ = true;
    bool inPath_ = false;
    QPainterPath path_;
    double painted_ = 0;  // pixels covered so far, against kPaintBudget
};

void EmfPlayer::Play(uint32_t type, const Fields& r) {
    switch (type) {
        case kSetWindowExtEx:
        case kSetWindowOrgEx:
        case kSetViewportExtEx:
        case kSetViewportOrgEx:
            return SetMapping(r, type);
        case kSetMapMode:
            dc_.mapMode = r.U32(8);
            return UpdateTransform();
        case kSetWorldTransform:
        case kModifyWorldTransform: {
            QTransform x;
            const uint32_t mode = type == kSetWorldTransform ? 4 : r.U32(32);
            if (mode == 1) dc_.world = QTransform();
            if (mode != 1 && ReadXform(r, 8, x)) {
                if (mode == 2) dc_.world = x * dc_.world;
                if (mode == 3) dc_.world = dc_.world * x;
                if (mode == 4) dc_.world = x;
            }
            return UpdateTransform();
        }
        case kSaveDc:
            if (saved_.size() < 4096) saved_.push_back(dc_);
            return;
        case kRestoreDc: {
            const int64_t n = r.S32(8);
            const int64_t depth = static_cast<int64_t>(saved_.size());
            const int64_t keep = n < 0 ? depth + n : n - 1;  // relative, or an absolute level
            if (keep < 0 || keep >= depth) return;           // GDI refuses it
            dc_ = saved_[static_cast<size_t>(keep)];
            saved_.resize(static_cast<size_t>(keep));
            return UpdateTransform();
        }
        case kSetBkMode:
            dc_.opaqueBk = r.U32(8) == 2;
            return;
        case kSetPolyFillMode:
            dc_.fillRule = r.U32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            return;
        case kSetTextAlign:
            dc_.textAlign = r.U32(8);
            return;
        case kSetTextColor:
            dc_.textColour = r.Colour(8);
            return;
        case kSetBkColor:
            dc_.bkColour = r.Colour(8);
            return;
        case kCreatePen: {
            PenSpec pen{r.U32(12), static_cast<double>(r.S32(16)), r.Colour(24), true};
            Slot(r.U32(8)) = pen;
            return;
        }
        case kExtCreatePen: {
            const uint32_t style = r.U32(28);
            PenSpec pen{style, static_cast<double>(r.U32(32)), r.Colour(40),
                        (style & 0x00010000u) != 0};
            if (r.U32(36) == 1) pen.style = 5;  // a pen of the null brush draws nothing
            Slot(r.U32(8)) = pen;
            return;
        }
        case kCreateBrushIndirect:
            Slot(r.U32(8)) = BrushSpec{r.U32(12), r.Colour(16), r.U32(20), {}};
            return;
        case kCreateMonoBrush:
        case kCreateDibPatternBrushPt: {
            BrushSpec brush{3, Qt::black, 0, {}};
            brush.pattern = ReadDib(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28), r.U32(12));
            Slot(r.U32(8)) = brush;
            return;
        }
        case kExtCreateFontIndirectW:
            return CreateFont(r);
        case kSelectObject:
            return Select(r.U32(8));
        case kDeleteObject:
            if (!(r.U32(8) & kStockObject)) Slot(r.U32(8)) = std::monostate{};
            return;
        case kMoveToEx:
            dc_.current = r.Point(8);
            if (inPath_) path_.moveTo(Device(dc_.current));
            return;
        case kLineTo: {
            const QPointF to = r.Point(8);
            if (inPath_) {
                if (path_.elementCount() == 0) path_.moveTo(Device(dc_.current));
                path_.lineTo(Device(to));
            } else {
                QPainterPath line(Device(dc_.current));
                line.lineTo(Device(to));
                Draw(line, false, true);
            }
            dc_.current = to;
            return;
        }
        case kRectangle:
            return Draw(BoxPath(r.Box(8), 0), true, true);
        case kEllipse:
            return Draw(BoxPath(r.Box(8), 1), true, true);
        case kRoundRect:
            return Draw(BoxPath(r.Box(8), 2, QSizeF(r.S32(24), r.S32(28))), true, true);
        case kArc:
            return ArcShape(r, 0);
        case kChord:
            return ArcShape(r, 1);
        case kPie:
            return ArcShape(r, 2);
        case kPolygon:
        case kPolygon16:
            return Draw(Polyline(RecordPoints(r, type == kPolygon16), true, false, false), true,
                        true);
        case kPolyline:
        case kPolyline16:
        case kPolyBezier:
        case kPolyBezier16: {
            const bool small = type == kPolyline16 || type == kPolyBezier16;
            const bool bezier = type == kPolyBezier || type == kPolyBezier16;
            return Draw(Polyline(RecordPoints(r, small), false, bezier, false), false, true);
        }
        case kPolylineTo:
        case kPolylineTo16:
        case kPolyBezierTo:
        case kPolyBezierTo16: {
            const bool small = type == kPolylineTo16 || type == kPolyBezierTo16;
            const bool bezier = type == kPolyBezierTo || type == kPolyBezierTo16;
            QPainterPath path = Polyline(RecordPoints(r, small), false, bezier, true);
            if (inPath_) {
                path_.connectPath(path);
                return;
            }
            return Draw(path, false, true);
        }
        case kPolyPolygon:
        case kPolyPolygon16:
            return PolyPoly(r, type == kPolyPolygon16, true);
        case kPolyPolyline:
        case kPolyPolyline16:
            return PolyPoly(r, type == kPolyPolyline16, false);
        case kSetPixelV: {
            const QPointF p = toBitmap_.map(r.Point(8));
            if (!usable_ || inPath_ || !(std::fabs(p.x()) < 1e9 && std::fabs(p.y()) < 1e9)) return;
            Spend(1);
            Prepare();
            painter_.fillRect(QRectF(std::floor(p.x()), std::floor(p.y()), 1, 1), r.Colour(16));
            return;
        }
        case kExtTextOutW:
            return Text(r);
        case kBitBlt:
        case kStretchBlt:
        case kStretchDiBits:
            return Bitmap(r, type);
        case kIntersectClipRect:
        case kExcludeClipRect:
        case kExtSelectClipRgn:
            return Clip(r, type);
        case kBeginPath:
            inPath_ = true;
            path_ = QPainterPath();
            return;
        case kEndPath:
            inPath_ = false;
            return;
        case kCloseFigure:
            if (inPath_) path_.closeSubpath();
            return;
        case kAbortPath:
            inPath_ = false;
            path_ = QPainterPath();
            return;
        case kFillPath:
        case kStrokePath:
        case kStrokeAndFillPath:
            return EndPathUse(type);
        default:
            return;  // FILLRGN, comments, palettes and the rest: skipped
    }
}

// The frame in reference-device pixels as an integer size, and the device-to-bitmap mapping.
struct Frame {
    int width = 0, height = 0;
    QTransform deviceToBitmap;
};

int64_t RoundedSide(double v) {
    return v >= 0.5 && v < double(platform::kMaxImageSide) * 2 ? std::llround(v) : 0;
}

Frame ReadFrame(const Fields& h, double pxPerMmX, double pxPerMmY) {
    const QRectF bounds = h.Box(8);
    const QRectF frame = h.Box(24);  // hundredths of a millimetre
    double left, top, width, height;
    if (frame.width() > 0 && frame.height() > 0) {
        left = frame.left() * pxPerMmX / 100;
        top = frame.top() * pxPerMmY / 100;
        width = frame.width() * pxPerMmX / 100;
        height = frame.height() * pxPerMmY / 100;
    } else {  // no frame: the bounds, in device pixels, inclusive
        left = bounds.left();
        top = bounds.top();
        width = bounds.width() + 1;
        height = bounds.height() + 1;
    }
    const int64_t w = RoundedSide(width), h64 = RoundedSide(height);
    platform::CheckImageSize(w, h64, kEmfWhat);
    Frame f;
    f.width = static_cast<int>(w);
    f.height = static_cast<int>(h64);
    f.deviceToBitmap = QTransform::fromTranslate(-left, -top) *
                       QTransform::fromScale(f.width / width, f.height / height);
    return f;
}

// Rewrites the 32-bit rows of buffer as padded 24-bit rows from its start (each row moves to
// an offset no larger than its own, each pixel to a byte no later than its own) and hands the
// buffer to the answer, trimmed to its new size.
QImage ToBgrInPlace(std::unique_ptr<uchar, decltype(&std::free)> buffer, int width, int height) {
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t{3};
    uchar* base = buffer.get();
    for (size_t y = 0; y < size_t(height); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(base + y * size_t(width) * 4);
        uchar* out = base + y * stride;
        for (int x = 0; x < width; ++x) {
            const QRgb c = in[x];
            out[x * 3] = uchar(qBlue(c));
            out[x * 3 + 1] = uchar(qGreen(c));
            out[x * 3 + 2] = uchar(qRed(c));
        }
    }
    if (void* smaller = std::realloc(base, stride * size_t(height))) {
        buffer.release();
        buffer.reset(static_cast<uchar*>(smaller));
    }
    uchar* pixels = buffer.release();
    return QImage(pixels, width, height, qsizetype(stride), QImage::Format_BGR888, &std::free,
                  pixels);
}

}  // namespace

QImage RenderEmf(const QByteArray& data) {
    const Fields file(reinterpret_cast<const uint8_t*>(data.constData()), data.size());
    if (!file.Has(0, kHeaderMinSize) || file.U32(0) != kHeader) Invalid();
    const uint32_t headerSize = file.U32(4);
    if (headerSize < kHeaderMinSize || headerSize > file.size()) Invalid();
    const Fields header(file.Span(0, headerSize), headerSize);
    if (header.U32(40) != kSignature) Invalid();
    const int32_t deviceX = header.S32(72), deviceY = header.S32(76);
    const int32_t mmX = header.S32(80), mmY = header.S32(84);
    if (deviceX <= 0 || deviceY <= 0 || mmX <= 0 || mmY <= 0) Invalid();
    const double pxPerMmX = double(deviceX) / mmX, pxPerMmY = double(deviceY) / mmY;
    const Frame frame = ReadFrame(header, pxPerMmX, pxPerMmY);

    // The canvas lives in a buffer of ours, so that its 32-bit rows can become the answer's
    // 24-bit rows in place: no second picture is held at the end.
    const qsizetype canvasStride = qsizetype{frame.width} * 4;
    std::unique_ptr<uchar, decltype(&std::free)> buffer(
        static_cast<uchar*>(std::malloc(size_t(canvasStride) * size_t(frame.height))), &std::free);
    if (!buffer) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    QImage canvas(buffer.get(), frame.width, frame.height, canvasStride, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        EmfPlayer player(canvas, frame.deviceToBitmap, pxPerMmX, pxPerMmY, header.U16(56));
        qsizetype at = headerSize;
        while (at < file.size()) {
            const uint32_t type = file.U32(at);
            const uint32_t size = file.U32(at + 4);
            if (size < 8 || size > file.size() - at) Invalid();
            if (type == kEof) break;
            player.Play(type, Fields(file.Span(at, size), size));
            at += size;
        }
    }
    return ToBgrInPlace(std::move(buffer), frame.width, frame.height);
}

}  // namespace tessella::imagefile
