#include "ui/editor/LitPreview.h"

#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/NormalMap.h"
#include "ui/editor/NormalMapTexts.h"

namespace tessella::editor {

// --- The mosaic --------------------------------------------------------------------------

LitView::LitView(QWidget* parent) : QWidget(parent) {
    setAccessibleName(kLitViewName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 200);
}

void LitView::setSurface(LitSurface surface) {
    surface_ = std::move(surface);
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
    painter.drawImage(mosaic.topLeft(), frame_);
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
    hintLabel->setText(kLitHintText.arg(QLocale(QLocale::French).toString(strength, 'f', 1)));
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
    MakeNormalMap(colours_.image(), normals, {strength_, false});
    view->setSurface(LitSurface(colours_.image(), normals));
}

}  // namespace tessella::editor
