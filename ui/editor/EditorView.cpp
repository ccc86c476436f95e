#include "ui/editor/EditorView.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>

#include "editor/ElementPictures.h"
#include "editor/ViewGeometry.h"
#include "platform/Guard.h"
#include "platform/Pacer.h"
#include "ui/editor/EditorTexts.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/ShapeOverlay.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::editor {

namespace {

constexpr QSize kZoneEdgeAcross(50, 1);
constexpr QSize kZoneEdgeDown(1, 50);

// A red dash-dot-dot line one pixel thick along the widget, for the ruler lines.
class RulerLine final : public QWidget {
  public:
    explicit RulerLine(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(Qt::red, 1, Qt::DashDotDotLine));
        if (width() >= height())
            p.drawLine(0, 0, width() - 1, 0);
        else
            p.drawLine(0, 0, 0, height() - 1);
    }
};

}  // namespace

EditorView::EditorView(platform::Prompts& prompts, platform::Pacer& pacer, QWidget* window)
    : QObject(window), prompts_(prompts), pacer_(pacer) {
    zoomArrows = new widgets::StepArrows(Qt::Vertical, kMinZoom, kMaxZoom, kMinZoom, 1, window);
    zoomArrows->setArrowNames(kZoomInName, kZoomOutName);
    zoomLabel = new QLabel(QString::number(zoom_), window);
    zoomLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    zoomLabel->setAlignment(Qt::AlignCenter);
    zoomLabel->setMinimumWidth(28);
    zoomLabel->setAccessibleName(kZoomValueName);
    zoomGroup = new QGroupBox(kZoomCaption, window);
    auto* zoomRow = new QHBoxLayout(zoomGroup);
    zoomRow->addWidget(zoomLabel);
    zoomRow->addWidget(zoomArrows);

    colourSwatch = new QLabel(window);
    colourSwatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colourSwatch->setFixedSize(32, 32);
    colourSwatch->setAutoFillBackground(true);
    colourSwatch->setAccessibleName(kSwatchName);
    rulersCheck = new QCheckBox(kRulersCaption, window);
    rulersCheck->setChecked(true);

    // The rulers mark pixels of the viewport: fixed geometry, redrawn with its size.
    horizontalRuler = new widgets::ImageBox(window);
    horizontalRuler->setFixedHeight(kRulerThickness);
    horizontalRuler->setAccessibleName(kHorizontalRulerName);
    verticalRuler = new widgets::ImageBox(window);
    verticalRuler->setFixedWidth(kRulerThickness);
    verticalRuler->setAccessibleName(kVerticalRulerName);
    scrollArea = new QScrollArea(window);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(false);

    // The view and everything drawn over it share one canvas, so their positions are view
    // coordinates however the area is scrolled.
    canvas_ = new QWidget;
    view = new widgets::ImageBox(canvas_);
    view->setStretch(true);
    view->setCursor(Qt::CrossCursor);
    view->setMouseTracking(true);
    view->setAccessibleName(kViewName);
    pasteOverlay = new widgets::ImageBox(canvas_);
    pasteOverlay->setStretch(true);
    pasteOverlay->setAccessibleName(kPasteOverlayName);
    pasteOverlay->hide();
    zoneBand = new widgets::ShapeOverlay(canvas_);
    zoneBand->setPen(QPen(Qt::black, 1, Qt::DashDotDotLine));
    zoneBand->setBrush(Qt::NoBrush);
    zoneBand->hide();
    for (size_t i = 0; i < zoneEdges.size(); ++i) {
        zoneEdges[i] = new QFrame(canvas_);
        zoneEdges[i]->setFrameShape(QFrame::Box);
        zoneEdges[i]->resize(i < 2 ? kZoneEdgeAcross : kZoneEdgeDown);
        zoneEdges[i]->hide();
    }
    verticalRulerLine = new RulerLine(canvas_);
    horizontalRulerLine = new RulerLine(canvas_);
    verticalRulerLine->setGeometry(0, 0, 1, 0);
    horizontalRulerLine->setGeometry(0, 0, 0, 1);
    pointerLabel = new widgets::ShapeOverlay(canvas_);
    pointerLabel->setShape(drawing::ShapeKind::RoundedRectangle);
    pointerLabel->setBrush(platform::ColourValue(kLabelColour).toQColor());
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPointSize(8);
    pointerLabel->setFont(courier);
    pointerLabel->resize(0, 0);
    scrollArea->setWidget(canvas_);

    area = new QGridLayout;
    area->setSpacing(0);
    area->addWidget(horizontalRuler, 0, 0, 1, 2);
    area->addWidget(verticalRuler, 1, 0);
    area->addWidget(scrollArea, 1, 1);

    connect(zoomArrows, &widgets::StepArrows::clicked, this, &EditorView::applyZoomArrows);
    connect(rulersCheck, &QCheckBox::toggled, this, &EditorView::showRulers);
}

QPoint EditorView::pixelAt(QPoint pos) const {
    return ViewToPixel(pos, zoom_);
}

void EditorView::setZoom(int zoom) {
    zoom_ = zoom;
    zoomArrows->setPosition(zoom_);
    zoomLabel->setText(QString::number(zoom_));
    applyZoom();
}

void EditorView::applyZoomArrows() {
    platform::Guard(prompts_, [this] {
        zoom_ = zoomArrows->position();
        zoomLabel->setText(QString::number(zoom_));
        applyZoom();
    });
}

void EditorView::showPicture(const QImage& picture) {
    view->setPicture(picture);
    applyZoom();
}

void EditorView::repaintPicture(const QImage& picture) {
    view->setPicture(picture);
    view->update();
}

void EditorView::releasePicture() {
    view->releasePicture();
}

void EditorView::applyZoom() {
    const QImage& picture = view->picture();
    const QSize size = ZoomedSize(picture.width(), picture.height(), zoom_);
    view->setBoxSize(size.width(), size.height());
    const QImage& overlay = pasteOverlay->picture();
    const QSize overlaySize = ZoomedSize(overlay.width(), overlay.height(), zoom_);
    pasteOverlay->setBoxSize(overlaySize.width(), overlaySize.height());
    emit zoomApplied();
    fitCanvas();
    view->show();
    view->update();
    pacer_.processEvents();
}

void EditorView::fitCanvas() {
    canvas_->resize(view->size().expandedTo(scrollArea->viewport()->size()));
}

void EditorView::windowResized() {
    fitCanvas();
    if (rulersCheck->isChecked()) drawRulers();
}

void EditorView::showRulers() {
    const bool on = rulersCheck->isChecked();
    verticalRulerLine->setVisible(on);
    horizontalRulerLine->setVisible(on);
    pointerLabel->setVisible(on);
    if (on) drawRulers();
}

void EditorView::drawRulers() {
    const QSize box = scrollArea->size();
    horizontalRuler->setPicture(RulerPicture(QSize(horizontalRuler->width(), kRulerThickness),
                                             HorizontalRulerTicks(box.width())));
    verticalRuler->setPicture(
        RulerPicture(QSize(kRulerThickness, box.height()), VerticalRulerTicks(box.height())));
}

void EditorView::followPointer(QPoint pos, QPoint pixel) {
    if (!rulersCheck->isChecked()) return;
    const RulerLines lines = RulerLinesAt(pos);
    verticalRulerLine->setGeometry(lines.vertical);
    horizontalRulerLine->setGeometry(lines.horizontal);
    pointerLabel->setCaption(kLabelPosition.arg(pixel.x()).arg(pixel.y()));
    const QRect text = pointerLabel->fontMetrics().boundingRect(pointerLabel->caption());
    pointerLabel->setGeometry(QRect(lines.labelTopLeft, text.size() + QSize(10, 4)));
    pointerLabel->raise();
}

void EditorView::showSwatch(QColor colour) {
    QPalette palette = colourSwatch->palette();
    palette.setColor(QPalette::Window, colour);
    colourSwatch->setPalette(palette);
}

}  // namespace tessella::editor
