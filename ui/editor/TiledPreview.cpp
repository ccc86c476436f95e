#include "ui/editor/TiledPreview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/Seamless.h"
#include "ui/editor/DialogButtons.h"
#include "ui/editor/EditorTexts.h"
#include "ui/widgets/Checkerboard.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::editor {

// --- The mosaic --------------------------------------------------------------------------

TiledView::TiledView(QWidget* parent) : QWidget(parent) {
    setAccessibleName(kTiledViewName);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 200);
}

void TiledView::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TiledView::setZoom(int zoom) {
    zoom_ = zoom;
    update();
}

void TiledView::setOutlined(bool outlined) {
    outlined_ = outlined;
    update();
}

QPoint TiledView::middleTileOrigin() const {
    const QSize tile = tileSize();
    return QPoint((width() - tile.width()) / 2, (height() - tile.height()) / 2);
}

void TiledView::paintMosaic(QPainter& painter, const QRect& exposed) {
    painter.fillRect(exposed, palette().color(QPalette::Window));
    if (picture_.isNull()) return;
    const QPoint origin = middleTileOrigin();
    const QSize tile = tileSize();
    if (picture_.hasAlphaChannel()) {
        // One board under the whole mosaic, so its squares run on across the seams.
        const QRect mosaic(origin - QPoint(tile.width(), tile.height()), tile * 3);
        widgets::PaintCheckerboard(painter, exposed & mosaic, mosaic.topLeft());
    }
    // Whole pixels, without smoothing: the seam must show as it is.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int row = -1; row <= 1; ++row)
        for (int column = -1; column <= 1; ++column) {
            const QRect target(origin + QPoint(column * tile.width(), row * tile.height()), tile);
            if (const auto part = widgets::ImageBox::ExposedPart(exposed, target, picture_.size()))
                painter.drawImage(part->target, picture_, QRectF(part->source));
        }
    if (outlined_) {
        // One pixel just outside the middle tile, in two colours so it shows on any picture.
        const QRect frame(origin - QPoint(1, 1), tile + QSize(1, 1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(frame);
    }
}

void TiledView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintMosaic(painter, event->rect());
}

// --- The window --------------------------------------------------------------------------

TiledPreview::TiledPreview(QWidget* editor) : QDialog(editor, Qt::Tool) {
    setWindowTitle(kTiledPreviewTitle);
    setModal(false);
    zoomSpin = new QSpinBox(this);
    zoomSpin->setRange(kMinZoom, kMaxZoom);
    zoomSpin->setAccessibleName(kPreviewZoomName);
    auto* zoomLabel = new QLabel(kPreviewZoomCaption, this);
    zoomLabel->setBuddy(zoomSpin);
    outlineCheck = new QCheckBox(kTileOutlineCaption, this);
    outlineCheck->setAccessibleName(kTileOutlineCaption);
    seamLabel = new QLabel(this);
    seamLabel->setAccessibleName(kSeamFigureName);
    view = new TiledView(this);

    auto* controls = new QHBoxLayout;
    controls->addWidget(zoomLabel);
    controls->addWidget(zoomSpin);
    controls->addWidget(outlineCheck);
    controls->addStretch(1);
    controls->addWidget(seamLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(view, 1);

    connect(zoomSpin, &QSpinBox::valueChanged, view, &TiledView::setZoom);
    connect(outlineCheck, &QCheckBox::toggled, view, &TiledView::setOutlined);
    resize(420, 440);
}

QPoint TiledPreview::Place(const QRect& editor, QSize preview, const QRect& screen,
                           const std::optional<QRect>& palette, int controlsBottom) {
    const int top = std::clamp(editor.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - preview.height()));
    const QPoint right(editor.right() + 1 + kGapToEditor, top);
    const QPoint left(editor.left() - kGapToEditor - preview.width(), top);
    auto onScreen = [&](QPoint at) { return screen.contains(QRect(at, preview)); };
    auto clearOfPalette = [&](QPoint at) {
        return !palette || !palette->intersects(QRect(at, preview));
    };
    // Beside the palette too, on the side where the palette is.
    std::vector<QPoint> candidates = {right, left};
    if (palette) {
        if (palette->left() > editor.center().x())
            candidates.push_back({palette->right() + 1 + kGapToEditor, top});
        else
            candidates.push_back({palette->left() - kGapToEditor - preview.width(), top});
        // Below the palette, on its side.
        candidates.push_back({palette->left() > editor.center().x() ? right.x() : left.x(),
                              palette->bottom() + 1 + kGapToEditor});
    }
    for (QPoint at : candidates)
        if (onScreen(at) && clearOfPalette(at)) return at;
    // Over the palette rather than over the editor.
    for (QPoint at : {right, left})
        if (onScreen(at)) return at;
    // Over the picture, below the buttons, in the corner away from the element's top left.
    const int x = std::min(editor.right(), screen.right()) + 1 - preview.width();
    const int y = std::min(editor.bottom(), screen.bottom()) + 1 - preview.height();
    return {std::max(x, screen.left()), std::max(y, controlsBottom + kGapToEditor)};
}

void TiledPreview::showBesideEditor(const std::optional<QRect>& palette, int controlsBottom) {
    show();
    if (QWidget* editor = parentWidget()) {
        QScreen* screen = editor->screen();
        const QRect available = screen ? screen->availableGeometry() : QRect();
        move(Place(editor->window()->frameGeometry(), frameGeometry().size(), available, palette,
                   controlsBottom) +
             (pos() - frameGeometry().topLeft()));
    }
    raise();
}

void TiledPreview::showPicture(const QImage& picture) {
    picture_ = picture;
    stale_ = true;
    if (isVisible()) refresh();
}

void TiledPreview::dropHiddenPicture() {
    if (isVisible()) return;
    picture_ = QImage();
    view->setPicture(QImage());
    stale_ = true;
}

void TiledPreview::releasePicture() {
    picture_ = QImage();
    view->releasePicture();
}

void TiledPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (stale_) refresh();
}

void TiledPreview::refresh() {
    stale_ = false;
    view->setPicture(picture_);
    if (picture_.isNull()) {
        seamLabel->clear();
        return;
    }
    const QImage bgr = picture_.format() == QImage::Format_BGR888
                           ? picture_
                           : picture_.convertToFormat(QImage::Format_BGR888);
    seamLabel->setText(kSeamFigureText.arg(SeamFigureText(
        SeamFigure(bgr.constBits(), bgr.bytesPerLine(), bgr.width(), bgr.height()))));
}

// --- The band --------------------------------------------------------------------------

BlendBandDialog::BlendBandDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kBlendBandTitle);
    bandSpin = new QSpinBox(this);
    bandSpin->setAccessibleName(kBlendBandName);
    bandSpin->setValue(kDefaultBand);
    auto* label = new QLabel(kBlendBandCaption, this);
    label->setBuddy(bandSpin);
    QDialogButtonBox* buttons = OkCancelButtons(this, okButton, cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(bandSpin);
    layout->addWidget(buttons);
}

std::optional<int> BlendBandDialog::ask(QSize size) {
    // Wider than half the shorter side, the band would reach the copy's own seam.
    const int widest = std::max(1, std::min(size.width(), size.height()) / 2 - 1);
    const int kept = bandSpin->value();
    bandSpin->setRange(1, widest);
    bandSpin->setValue(std::min(kept, widest));
    if (exec() != QDialog::Accepted) return std::nullopt;
    return bandSpin->value();
}

}  // namespace tessella::editor
