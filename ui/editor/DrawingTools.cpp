#include "ui/editor/DrawingTools.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "drawing/FloodFill.h"
#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/editor/DrawingTexts.h"
#include "ui/widgets/ButtonChoice.h"
#include "ui/widgets/Cursors.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StatusPanels.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::drawing {

namespace {

constexpr int kGlyphSide = 16;
constexpr int kSwatchSide = 17;
constexpr std::array<int, 2> kStatusPanelWidths = {150, 110};
constexpr Qt::PenStyle kPenStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                       Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
constexpr Qt::BrushStyle kBrushStyles[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                           Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                           Qt::CrossPattern, Qt::DiagCrossPattern};

// A glyph drawn in black on a transparent square.
template <typename Paint>
QIcon Glyph(Paint paint) {
    QPixmap pixmap(kGlyphSide, kGlyphSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    paint(p);
    return QIcon(pixmap);
}

QIcon ToolGlyph(DrawingTool tool) {
    return Glyph([tool](QPainter& p) {
        const QRect box(2, 3, 11, 9);
        switch (tool) {
            case DrawingTool::Pencil:
                p.drawLine(2, 13, 13, 2);
                p.drawLine(2, 13, 4, 13);
                break;
            case DrawingTool::Line:
                p.drawLine(2, 12, 13, 3);
                break;
            case DrawingTool::Rectangle:
                p.drawRect(box);
                break;
            case DrawingTool::Ellipse:
                p.setRenderHint(QPainter::Antialiasing);
                p.drawEllipse(box);
                break;
            case DrawingTool::RoundedRectangle:
                p.setRenderHint(QPainter::Antialiasing);
                p.drawRoundedRect(box, 3, 3);
                break;
        }
    });
}

QToolButton* ToolButton(const QIcon& icon, const QString& name, const QString& hint,
                        QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setAccessibleName(name);
    button->setToolTip(hint);
    return button;
}

QToolButton* GroupedButton(const QIcon& icon, const QString& name, QButtonGroup* group, int id) {
    QToolButton* button = ToolButton(icon, name, name, qobject_cast<QWidget*>(group->parent()));
    button->setCheckable(true);
    group->addButton(button, id);
    return button;
}

QLabel* Swatch(const QString& name, QWidget* parent) {
    auto* swatch = new QLabel(parent);
    swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    swatch->setFixedSize(kSwatchSide, kSwatchSide);
    swatch->setAutoFillBackground(true);
    swatch->setAccessibleName(name);
    return swatch;
}

void Paint(QLabel* swatch, const QColor& colour) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
}

QString PixelText(const QString& text, QPoint pixel) {
    return text.arg(pixel.x()).arg(pixel.y());
}

}  // namespace

DrawingTools::DrawingTools(platform::Prompts& prompts, const widgets::Cursors& cursors,
                           editor::DrawingSurface& editor, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      prompts_(prompts),
      cursors_(cursors),
      editor_(editor) {
    setWindowTitle(kDrawingToolsTitle);
    buildControls();
    connectControls();
    showSwatches();
    move(kInitialPosition);
}

void DrawingTools::buildControls() {
    toolGroup_ = new QButtonGroup(this);
    const QString toolNames[] = {kPencilHint, kLineName, kRectangleName, kEllipseName,
                                 kRoundedRectangleName};
    for (size_t i = 0; i < toolButtons.size(); ++i) {
        const auto tool = static_cast<DrawingTool>(i);
        toolButtons[i] = GroupedButton(ToolGlyph(tool), toolNames[i], toolGroup_, int(i));
    }
    toolButtons[0]->setIcon(QIcon(cursors_.cursor(widgets::ToolCursor::Pencil).pixmap()));
    noToolButton = GroupedButton(
        Glyph([](QPainter& p) {
            p.setBrush(Qt::white);
            p.drawPolygon(
                QPolygon({{4, 1}, {4, 13}, {7, 10}, {10, 14}, {11, 13}, {9, 9}, {13, 9}}));
        }),
        kNoToolName, toolGroup_, -2);
    noToolButton->setChecked(true);
    drawButton = ToolButton(ToolGlyph(DrawingTool::Pencil), kDrawHint, kDrawHint, this);
    fillButton = ToolButton(QIcon(cursors_.cursor(widgets::ToolCursor::PaintPot).pixmap()),
                            kFillHint, kFillHint, this);

    auto* penStyles = new QButtonGroup(this);
    for (size_t i = 0; i < penStyleButtons.size(); ++i) {
        const Qt::PenStyle style = kPenStyles[i];
        penStyleButtons[i] = GroupedButton(Glyph([style](QPainter& p) {
                                               p.setPen(QPen(Qt::black, 1, style));
                                               p.drawLine(1, 8, 14, 8);
                                           }),
                                           kPenStyleNames[i], penStyles, int(i));
    }
    penStyleButtons[0]->setChecked(true);
    widgets::OnChecked(penStyles, this, [this](int id) { pen_.setStyle(kPenStyles[id]); });

    const QIcon picker(cursors_.cursor(widgets::ToolCursor::ColourPicker).pixmap());
    const QIcon palette = style()->standardIcon(QStyle::SP_DesktopIcon);
    penColourButton = ToolButton(palette, kPenColourHint, kPenColourHint, this);
    penPickButton = ToolButton(picker, kPenPickName, kPickHint, this);
    penWidthEdit = new QLineEdit(QString::number(pen_.width()), this);
    penWidthEdit->setReadOnly(true);  // the width follows the arrows only
    penWidthEdit->setFixedWidth(32);
    penWidthEdit->setAccessibleName(kPenWidthName);
    penWidthEdit->setToolTip(kPenWidthHint);
    penWidthArrows = new widgets::StepArrows(Qt::Vertical, 0, kMaxPenWidth, pen_.width(), 1, this);
    penWidthArrows->setArrowNames(kPenWidthName + QStringLiteral(" +"),
                                  kPenWidthName + QStringLiteral(" -"));
    penWidthArrows->setToolTip(kPenWidthHint);
    penSwatch = Swatch(kPenSwatchName, this);

    auto* brushStyles = new QButtonGroup(this);
    for (size_t i = 0; i < brushStyleButtons.size(); ++i) {
        const Qt::BrushStyle style = kBrushStyles[i];
        brushStyleButtons[i] = GroupedButton(Glyph([style](QPainter& p) {
                                                 p.setBrush(QBrush(Qt::black, style));
                                                 p.drawRect(1, 1, 13, 13);
                                             }),
                                             kBrushStyleNames[i], brushStyles, int(i));
    }
    brushStyleButtons[0]->setChecked(true);
    widgets::OnChecked(brushStyles, this, [this](int id) { brush_.setStyle(kBrushStyles[id]); });
    brushColourButton = ToolButton(palette, kBrushColourHint, kBrushColourHint, this);
    brushPickButton = ToolButton(picker, kBrushPickName, kPickHint, this);
    brushSwatch = Swatch(kBrushSwatchName, this);

    catalogueButton = new QToolButton(this);
    catalogueButton->setText(kCatalogueCaption);
    catalogueButton->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    catalogueButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(1);
    for (QToolButton* b : toolButtons) tools->addWidget(b);
    tools->addWidget(noToolButton);
    tools->addSpacing(8);
    tools->addWidget(drawButton);
    tools->addWidget(fillButton);
    tools->addSpacing(8);
    for (QToolButton* b : penStyleButtons) tools->addWidget(b);
    tools->addStretch(1);

    auto* colours = new QHBoxLayout;
    colours->setSpacing(1);
    for (QWidget* w : std::initializer_list<QWidget*>{penColourButton, penPickButton, penSwatch,
                                                      penWidthEdit, penWidthArrows})
        colours->addWidget(w);
    colours->addSpacing(8);
    for (QToolButton* b : brushStyleButtons) colours->addWidget(b);
    colours->addWidget(brushColourButton);
    colours->addWidget(brushPickButton);
    colours->addWidget(brushSwatch);
    colours->addStretch(1);

    auto* rows = new QVBoxLayout;
    rows->setSpacing(2);
    rows->addLayout(tools);
    rows->addLayout(colours);
    auto* top = new QHBoxLayout;
    top->addLayout(rows, 1);
    top->addWidget(catalogueButton);

    QStatusBar* statusBar = widgets::NewStatusBar(this);
    statusPanels = widgets::AddNumberedStatusPanels(statusBar, kStatusPanelWidths);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(statusBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DrawingTools::connectControls() {
    // Clicked again, the checked tool takes the pointer back (from a colour pick, say).
    widgets::OnChosen(toolGroup_, this, [this](int id) {
        if (id < 0)
            selectNoTool();
        else
            selectTool(static_cast<DrawingTool>(id));
    });
    connect(drawButton, &QToolButton::clicked, this, &DrawingTools::drawWithCurrentTool);
    connect(fillButton, &QToolButton::clicked, this, &DrawingTools::selectFill);
    connect(penColourButton, &QToolButton::clicked, this, &DrawingTools::choosePenColour);
    connect(brushColourButton, &QToolButton::clicked, this, &DrawingTools::chooseBrushColour);
    connect(penPickButton, &QToolButton::clicked, this, &DrawingTools::pickPenColour);
    connect(brushPickButton, &QToolButton::clicked, this, &DrawingTools::pickBrushColour);
    connect(penWidthArrows, &widgets::StepArrows::clicked, this, &DrawingTools::applyPenWidth);
    connect(catalogueButton, &QToolButton::clicked, this, &DrawingTools::openCatalogue);
}

// --- Modes -------------------------------------------------------------------------------

void DrawingTools::useEditorPointer(bool toTools, std::optional<widgets::ToolCursor> cursor) {
    editor_.setDrawingToolActive(toTools);
    editor_.cancelColourPick();
    pickPen_ = pickBrush_ = false;
    drawing_ = stroking_ = false;
    editor_.setPointerCursor(cursor ? cursors_.cursor(*cursor) : QCursor(Qt::CrossCursor));
}

void DrawingTools::selectTool(DrawingTool tool) {
    tool_ = tool;
    const QSignalBlocker quiet(toolGroup_);
    toolButtons[size_t(tool)]->setChecked(true);
    drawWithCurrentTool();
}

void DrawingTools::drawWithCurrentTool() {
    drawMode_ = true;
    fillMode_ = false;
    useEditorPointer(true, widgets::ToolCursor::Pencil);
}

void DrawingTools::selectFill() {
    fillMode_ = true;
    drawMode_ = false;
    useEditorPointer(true, widgets::ToolCursor::PaintPot);
}

void DrawingTools::selectNoTool() {
    drawMode_ = fillMode_ = false;
    {
        const QSignalBlocker quiet(toolGroup_);
        noToolButton->setChecked(true);
    }
    useEditorPointer(false, std::nullopt);
}

void DrawingTools::pickPenColour() {
    drawMode_ = fillMode_ = false;
    useEditorPointer(false, widgets::ToolCursor::ColourPicker);
    pickPen_ = true;
    editor_.requestColourPick();
}

void DrawingTools::pickBrushColour() {
    drawMode_ = fillMode_ = false;
    useEditorPointer(false, widgets::ToolCursor::ColourPicker);
    pickBrush_ = true;
    editor_.requestColourPick();
}

void DrawingTools::takePickedColour(QColor colour) {
    if (pickPen_) pen_.setColor(colour);
    if (pickBrush_) {
        brush_.setColor(colour);
        fillColour_ = colour;
    }
    showSwatches();
    selectNoTool();
}

// --- Pen and brush -----------------------------------------------------------------------

void DrawingTools::choosePenColour() {
    platform::Guard(prompts_, [this] {
        const auto chosen = prompts_.chooseColour(platform::ColourValue::fromQColor(pen_.color()));
        if (!chosen) return;
        pen_.setColor(chosen->toQColor());
        showSwatches();
    });
}

void DrawingTools::chooseBrushColour() {
    platform::Guard(prompts_, [this] {
        const auto chosen =
            prompts_.chooseColour(platform::ColourValue::fromQColor(brush_.color()));
        if (!chosen) return;
        brush_.setColor(chosen->toQColor());
        fillColour_ = brush_.color();
        showSwatches();
    });
}

void DrawingTools::applyPenWidth() {
    // Width 0 is Qt's cosmetic pen: one pixel, the thinnest there is.
    pen_.setWidth(penWidthArrows->position());
    penWidthEdit->setText(QString::number(penWidthArrows->position()));
}

void DrawingTools::showSwatches() {
    Paint(penSwatch, pen_.color());
    Paint(brushSwatch, brush_.color());
}

// --- Showing -----------------------------------------------------------------------------

QPoint DrawingTools::PlaceBeside(const QRect& window, QSize palette, const QRect& screen) {
    const int lastLeft = std::max(screen.left(), screen.right() + 1 - palette.width());
    const int lastTop = std::max(screen.top(), screen.bottom() + 1 - palette.height());
    const int top = std::clamp(window.top(), screen.top(), lastTop);
    const int x = std::clamp(window.left(), screen.left(), lastLeft);
    // Beside the editor first, then under or over it; a palette off the screen is out of reach,
    // so without room anywhere it takes the screen's bottom right corner, far from the buttons.
    const QPoint places[] = {{window.right() + 1 + kGapToEditor, top},
                             {window.left() - kGapToEditor - palette.width(), top},
                             {x, window.bottom() + 1 + kGapToEditor},
                             {x, window.top() - kGapToEditor - palette.height()}};
    for (QPoint place : places)
        if (screen.contains(QRect(place, palette))) return place;
    return {lastLeft, lastTop};
}

void DrawingTools::showBesideEditor() {
    showSwatches();
    drawing_ = stroking_ = false;
    // The tool kept from the editor's last showing takes the pointer again.
    if (drawMode_) drawWithCurrentTool();
    if (fillMode_) selectFill();
    show();
    placeBesideEditor();
    // The palette comes up before the modal editor does, and the window manager places the
    // editor only once it is mapped: place it again once both stand on the screen.
    for (int delay : {0, 200})
        QTimer::singleShot(delay, this, [this] {
            if (isVisible()) placeBesideEditor();
        });
    raise();
}

void DrawingTools::placeBesideEditor() {
    // Beside the editor's window, never over its buttons; frames are known once shown.
    QWidget* editor = parentWidget() ? parentWidget()->window() : nullptr;
    if (!editor) return;
    QScreen* screen = editor->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QSize frame = frameGeometry().size();
    move(PlaceBeside(editor->frameGeometry(), frame, available) +
         (pos() - frameGeometry().topLeft()));
}

void DrawingTools::openCatalogue() {
    platform::Guard(prompts_, [this] {
        emit catalogueWanted();
        editor_.enableOperations();
    });
}

void DrawingTools::putAway() {
    // The editor closed: nothing draws meanwhile, but the tool and the fill stay chosen.
    editor_.setDrawingToolActive(false);
    drawing_ = stroking_ = false;
    hide();
}

void DrawingTools::closeEvent(QCloseEvent* event) {
    // Without the palette in sight, nothing may keep drawing into the element.
    selectNoTool();
    QDialog::closeEvent(event);
}

// --- The editor's mouse ------------------------------------------------------------------

void DrawingTools::pressOnPicture(QPoint pixel, Qt::MouseButton) {
    if (!drawMode_) return;  // the paint pot acts on release
    editor_.keepUndoCopy();
    if (tool_ == DrawingTool::Pencil) {
        stroking_ = true;
    } else {
        drawing_ = true;
        origin_ = current_ = pixel;
    }
    statusPanels[0]->setText(PixelText(kOriginText, pixel));
}

void DrawingTools::drawRubberBand() {
    editor_.drawOnPicture([this](QImage& picture) {
        DrawShape(picture, tool_, origin_, current_, pen_, brush_, PenMode::NotXor);
    });
}

void DrawingTools::moveOnPicture(QPoint pixel, Qt::MouseButtons buttons) {
    if (!drawMode_) return;
    if (drawing_) {
        drawRubberBand();  // off again
        current_ = pixel;
        drawRubberBand();
    } else if (stroking_ && buttons == Qt::LeftButton) {
        editor_.drawOnPicture([&](QImage& picture) { picture.setPixelColor(pixel, pen_.color()); });
    }
    statusPanels[1]->setText(PixelText(kCurrentText, pixel));
}

void DrawingTools::releaseOnPicture(QPoint pixel, Qt::MouseButton, bool onPicture) {
    if (fillMode_) {
        if (!onPicture) return;
        editor_.keepUndoCopy();
        editor_.drawOnPicture([&](QImage& picture) {
            // "Sans remplissage" would paint nothing: the pot fills solid then.
            const Qt::BrushStyle style =
                brush_.style() == Qt::NoBrush ? Qt::SolidPattern : brush_.style();
            FloodFill(picture, pixel, QBrush(fillColour_, style));
        });
        editor_.pictureDrawn();
        return;
    }
    if (drawing_) {
        // The last rubber band stays under the shape when the pointer moved since.
        editor_.drawOnPicture([&](QImage& picture) {
            DrawShape(picture, tool_, origin_, pixel, pen_, brush_, PenMode::Copy);
        });
        drawing_ = false;
        editor_.pictureDrawn();
    } else if (stroking_) {
        if (onPicture)
            editor_.drawOnPicture(
                [&](QImage& picture) { picture.setPixelColor(pixel, pen_.color()); });
        stroking_ = false;
        editor_.pictureDrawn();
    }
}

}  // namespace tessella::drawing
