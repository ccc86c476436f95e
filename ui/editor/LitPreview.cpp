#include "ui/editor/LitPreview.h"

#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "editor/NormalMap.h"
#include "ui/editor/NormalMapTexts.h"
#include "ui/widgets/Checkerboard.h"

namespace tessella::editor {

// --- The mosaic --------------------------------------------------------------------------

LitView::LitView(QWidget* parent) : QWidget(parent) {
    setAccessibleName(kLitViewName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 200);
}

void LitView::setSurface(LitSurface surface, std::vector<uint8_t> alpha) {
    surface_ = std::move(surface);
    alpha_ = std::move(alpha);
    update();
}

QPointF LitView::lightPosition() const {
    return light_.value_or(QPointF(width() / 2.0, height() / 2.0));
}

void LitView::setLightPosition(QPointF at) {
    light_ = at;
    update();
}

double LitView::scale() const {
    if (surface_.empty()) return 1;
    return std::min(width() / (3.0 * surface_.width()), height() / (3.0 * surface_.height()));
}

QRect LitView::mosaicRect() const {
    if (surface_.empty()) return {};
    const QSize size(static_cast<int>(3 * surface_.width() * scale()),
                     static_cast<int>(3 * surface_.height() * scale()));
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void LitView::paintLit(QPainter& painter) {
    const QRect mosaic = mosaicRect();
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (mosaic.isEmpty()) return;
    if (frame_.size() != mosaic.size()) frame_ = QImage(mosaic.size(), QImage::Format_RGB32);
    const QPointF light = lightPosition() - mosaic.topLeft();
    const double tile = std::min(mosaic.width(), mosaic.height()) / 3.0;
    surface_.paint(frame_.bits(), frame_.bytesPerLine(), frame_.width(), frame_.height(), scale(),
                   {light.x(), light.y(), kLightHeightPerTile * tile, kAmbient});
    if (!alpha_.empty()) blendOverCheckerboard();
    painter.drawImage(mosaic.topLeft(), frame_);
}

void LitView::blendOverCheckerboard() {
    const int w = surface_.width(), h = surface_.height();
    if (alpha_.size() != static_cast<size_t>(w) * static_cast<size_t>(h)) return;
    // Painted pixel p shows texel floor((p + 0.5) / scale) mod side, as LitSurface::paint.
    const double s = scale();
    const auto texel = [s](int p, int side) {
        const auto i = static_cast<long long>(std::floor((p + 0.5) / s));
        return static_cast<int>(((i % side) + side) % side);
    };
    std::vector<int> columns(static_cast<size_t>(frame_.width()));
    for (int px = 0; px < frame_.width(); ++px) columns[static_cast<size_t>(px)] = texel(px, w);
    std::vector<QRgb> texels(columns.size());
    for (int py = 0; py < frame_.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(frame_.scanLine(py));
        const uint8_t* a =
            alpha_.data() + static_cast<size_t>(texel(py, h)) * static_cast<size_t>(w);
        for (size_t i = 0; i < columns.size(); ++i)
            texels[i] = (line[i] & 0x00FFFFFFu) | (uint32_t{a[columns[i]]} << 24);
        widgets::BlendRowOverCheckerboard(texels.data(), line, frame_.width(), 0, py);
    }
}

void LitView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintLit(painter);
}

void LitView::mouseMoveEvent(QMouseEvent* event) {
    setLightPosition(event->position());
}

// --- The window --------------------------------------------------------------------------

LitPreview::LitPreview(QWidget* editor) : QDialog(editor, Qt::Tool) {
    setWindowTitle(kLitPreviewTitle);
    setModal(false);
    view = new LitView(this);
    hintLabel = new QLabel(this);
    hintLabel->setAccessibleName(kLitHintName);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hintLabel);
    layout->addWidget(view, 1);
    setStrength(NormalMapSettings{}.strength);
    resize(460, 480);
}

void LitPreview::setStrength(double strength) {
    strength_ = strength;
    hintLabel->setText(kLitHintText.arg(QLocale().toString(strength, 'f', 1)));
    relight();
}

void LitPreview::showPicture(const QImage& picture) {
    if (!isVisible()) return;
    QImage copy = picture;  // load turns its bitmap to 24 bits: this one, never the editor's
    if (copy.isNull())
        colours_ = pixels::WorkingPicture();
    else
        colours_.load(copy);
    relight();
}

void LitPreview::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    colours_ = pixels::WorkingPicture();
    view->setSurface({});
}

void LitPreview::relight() {
    if (colours_.image().empty()) {
        view->setSurface({});
        return;
    }
    pixels::PixelGrid normals;
    const pixels::PixelGrid& colours = colours_.image();
    MakeNormalMap(colours, normals, {strength_, false});
    std::vector<uint8_t> alpha;
    if (colours.hasAlpha())
        for (int y = 0; y < colours.height(); ++y)
            alpha.insert(alpha.end(), colours.alphaRow(y), colours.alphaRow(y) + colours.width());
    view->setSurface(LitSurface(colours, normals), std::move(alpha));
}

}  // namespace tessella::editor
