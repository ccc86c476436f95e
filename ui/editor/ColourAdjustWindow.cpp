#include "ui/editor/ColourAdjustWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "imagefile/ImageLoader.h"
#include "pixels/WorkingPicture.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "platform/ProgramFolder.h"
#include "texture/FileMasks.h"
#include "ui/editor/ColourAdjustTexts.h"
#include "ui/widgets/ButtonChoice.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/NumberLabel.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::pixels {

using platform::ColourValue;

const std::array<ColourValue, 20> ColourAdjustWindow::kPalette = {
    ColourValue::fromRgb(64, 0, 0),    ColourValue::fromRgb(128, 64, 0),
    ColourValue::fromRgb(0, 64, 0),    ColourValue::fromRgb(0, 0, 64),
    ColourValue::fromRgb(64, 0, 64),   ColourValue::fromRgb(128, 0, 0),
    ColourValue::fromRgb(255, 128, 0), ColourValue::fromRgb(0, 64, 64),
    ColourValue::fromRgb(0, 0, 160),   ColourValue::fromRgb(128, 0, 128),
    ColourValue::fromRgb(0, 128, 128), ColourValue::fromRgb(128, 128, 0),
    ColourValue::fromRgb(0, 128, 0),   ColourValue::fromRgb(0, 0, 128),
    ColourValue::fromRgb(255, 0, 255), ColourValue::fromRgb(255, 0, 0),
    ColourValue::fromRgb(255, 255, 0), ColourValue::fromRgb(0, 255, 0),
    ColourValue::fromRgb(0, 0, 255),   ColourValue::fromRgb(0, 255, 255),
};

namespace {

constexpr int kPaletteColumns = 5;
constexpr int kBarWidth = 130;
constexpr QColor kCream(255, 251, 240);

QScrollBar* Bar(int minimum, int maximum, int position, const QString& name, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setPageStep(10);
    bar->setValue(position);
    bar->setMinimumWidth(kBarWidth);
    bar->setAccessibleName(name);
    return bar;
}

widgets::NumberLabel* ValueLabel(int value, const QString& name, QWidget* parent) {
    auto* label = new widgets::NumberLabel(parent);
    label->setValue(value);
    label->setMinimumWidth(28);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAccessibleName(kValueName.arg(name.toLower()));
    return label;
}

QLabel* Swatch(const QColor& colour, const QString& name, QWidget* parent) {
    auto* swatch = new QLabel(parent);
    swatch->setFixedSize(12, 12);
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);  // white shows on the window too
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
    swatch->setAccessibleName(name);
    return swatch;
}

void Paint(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

QIcon FilledIcon(const QColor& colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// A fading band with an arrow from where the progressive correction starts to where it ends.
QIcon DirectionGlyph(int index) {
    static constexpr QPointF kEnds[8][2] = {
        {{3, 11}, {19, 11}}, {{19, 11}, {3, 11}}, {{11, 3}, {11, 19}}, {{11, 19}, {11, 3}},
        {{4, 4}, {18, 18}},  {{18, 4}, {4, 18}},  {{4, 18}, {18, 4}},  {{18, 18}, {4, 4}},
    };
    const QPointF from = kEnds[index][0], to = kEnds[index][1];
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fade(from, to);
    fade.setColorAt(0, QColor(250, 250, 250));
    fade.setColorAt(1, QColor(90, 90, 90));
    p.fillRect(QRectF(2, 2, 18, 18), fade);
    const QPointF unit = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF side(-unit.y(), unit.x());
    p.setPen(QPen(Qt::darkBlue, 1.5));
    p.drawLine(from, to - unit * 3);
    p.setBrush(Qt::darkBlue);
    p.drawPolygon(QPolygonF({to, to - unit * 5 + side * 3, to - unit * 5 - side * 3}));
    return QIcon(pixmap);
}

// One labelled bar row of the correction group: swatches, bar, value and "%".
void AddBarRow(QGridLayout* grid, int row, std::initializer_list<QLabel*> swatches, QScrollBar* bar,
               QLabel* value, QWidget* parent) {
    auto* swatchRow = new QHBoxLayout;
    swatchRow->setSpacing(1);
    for (QLabel* s : swatches) swatchRow->addWidget(s);
    grid->addLayout(swatchRow, row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(value, row, 2);
    grid->addWidget(new QLabel(kPercentCaption, parent), row, 3);
}

}  // namespace

ColourAdjustWindow::ColourAdjustWindow(platform::Prompts& prompts,
                                       const platform::ProgramFolder& program,
                                       const WorkingPicture& work, QWidget* parent)
    : QDialog(parent), prompts_(prompts), program_(program), work_(work) {
    setWindowTitle(kColourAdjustTitle);
    setModal(true);
    texture_ = QImage(kTextureSide, kTextureSide, QImage::Format_BGR888);
    texture_.fill(Qt::white);
    buildControls();
    connectControls();
}

// --- Controls --------------------------------------------------------------------------

void ColourAdjustWindow::buildControls() {
    previewPanel = new QFrame(this);
    previewPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    previewPanel->setFixedSize(kPanelSide, kPanelSide);
    preview = new widgets::ImageBox(previewPanel);
    preview->setStretch(true);
    preview->setAccessibleName(kPreviewName);
    zoomCheck = new QCheckBox(kZoomCaption, this);
    auto* left = new QVBoxLayout;
    left->addWidget(previewPanel);
    left->addWidget(zoomCheck);
    left->addStretch();

    correctionGroup = buildCorrectionGroup();
    embossGroup = buildEmbossGroup();
    backgroundGroup = buildBackgroundGroup();

    okButton = new QPushButton(kOkCaption, this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(kCancelCaption, this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(correctionGroup, 0, Qt::AlignTop);
    top->addWidget(embossGroup, 0, Qt::AlignTop);
    top->addWidget(backgroundGroup, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    // A fixed frame that follows the groups each configuration shows.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* ColourAdjustWindow::buildCorrectionGroup() {
    auto* group = new QGroupBox(kCorrectionCaption, this);
    redBar = Bar(0, 200, 100, kRedName, group);
    greenBar = Bar(0, 200, 100, kGreenName, group);
    blueBar = Bar(0, 200, 100, kBlueName, group);
    allChannelsBar = Bar(0, 200, 100, kAllChannelsName, group);
    contrastBar = Bar(-200, 200, 0, kContrastName, group);
    redLabel = ValueLabel(100, kRedName, group);
    greenLabel = ValueLabel(100, kGreenName, group);
    blueLabel = ValueLabel(100, kBlueName, group);
    allChannelsLabel = ValueLabel(100, kAllChannelsName, group);
    contrastLabel = ValueLabel(0, kContrastName, group);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    AddBarRow(grid, 0, {Swatch(Qt::red, kRedName, group)}, redBar, redLabel, group);
    AddBarRow(grid, 1, {Swatch(Qt::green, kGreenName, group)}, greenBar, greenLabel, group);
    AddBarRow(grid, 2, {Swatch(Qt::blue, kBlueName, group)}, blueBar, blueLabel, group);
    AddBarRow(grid, 3, {Swatch(Qt::white, kAllChannelsName, group)}, allChannelsBar,
              allChannelsLabel, group);
    AddBarRow(grid, 4,
              {Swatch(Qt::black, kContrastName, group), Swatch(Qt::white, kContrastName, group)},
              contrastBar, contrastLabel, group);

    progressivePanel = new QFrame(group);
    progressivePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    progressiveCheck = new QCheckBox(kProgressiveCaption, progressivePanel);
    directionGroup_ = new QButtonGroup(this);
    directionGroup_->setExclusive(false);  // all may be up
    auto* directions = new QGridLayout;
    directions->setSpacing(2);
    for (int i = 0; i < 8; ++i) {
        auto* button = new QToolButton(progressivePanel);
        button->setCheckable(true);
        button->setIcon(DirectionGlyph(i));
        button->setIconSize(QSize(22, 22));
        button->setAccessibleName(kDirectionNames[i]);
        button->setToolTip(kDirectionNames[i]);
        directionGroup_->addButton(button, i + 1);
        directionButtons[i] = button;
        directions->addWidget(button, i / 4, i % 4);
    }
    auto* panelLayout = new QVBoxLayout(progressivePanel);
    panelLayout->addWidget(progressiveCheck);
    panelLayout->addLayout(directions);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(grid);
    layout->addWidget(progressivePanel);
    return group;
}

QGroupBox* ColourAdjustWindow::buildEmbossGroup() {
    auto* group = new QGroupBox(kEmbossCaption, this);
    plainEmbossRadio = new QRadioButton(kPlainEmbossCaption, group);
    plainEmbossRadio->setChecked(true);
    strongInvertedEmbossRadio = new QRadioButton(kStrongInvertedEmbossCaption, group);
    thresholdBar = Bar(100, 255, 255, kThresholdCaption, group);
    thresholdLabel = ValueLabel(255, kThresholdCaption, group);

    backgroundChoiceGroup = new QGroupBox(kBackgroundChoiceCaption, group);
    noBackgroundRadio = new QRadioButton(kNoBackgroundCaption, backgroundChoiceGroup);
    colouredRadio = new QRadioButton(kColouredCaption, backgroundChoiceGroup);
    texturedRadio = new QRadioButton(kTexturedCaption, backgroundChoiceGroup);
    noBackgroundRadio->setChecked(true);
    backgroundChoice_ = new QButtonGroup(this);
    backgroundChoice_->addButton(noBackgroundRadio, int(EmbossBackground::None));
    backgroundChoice_->addButton(colouredRadio, int(EmbossBackground::Coloured));
    backgroundChoice_->addButton(texturedRadio, int(EmbossBackground::Textured));
    auto* choices = new QVBoxLayout(backgroundChoiceGroup);
    choices->addWidget(noBackgroundRadio);
    choices->addWidget(colouredRadio);
    choices->addWidget(texturedRadio);

    textureThumbnail = new widgets::ImageBox(group);
    textureThumbnail->setStretch(true);
    textureThumbnail->setBoxSize(kTextureSide, kTextureSide);
    textureThumbnail->setPicture(texture_);
    textureThumbnail->setAccessibleName(kTextureName);

    auto* modes = new QHBoxLayout;
    modes->addWidget(plainEmbossRadio);
    modes->addWidget(strongInvertedEmbossRadio);
    auto* threshold = new QHBoxLayout;
    threshold->addWidget(new QLabel(kThresholdCaption, group));
    threshold->addWidget(thresholdBar);
    threshold->addWidget(thresholdLabel);
    auto* background = new QHBoxLayout;
    background->addWidget(backgroundChoiceGroup);
    background->addWidget(textureThumbnail, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(modes);
    layout->addLayout(threshold);
    layout->addLayout(background);
    return group;
}

QGroupBox* ColourAdjustWindow::buildBackgroundGroup() {
    auto* group = new QGroupBox(kBackgroundColourCaption, this);
    auto* palette = new QGridLayout;
    palette->setSpacing(1);
    for (size_t i = 0; i < kPalette.size(); ++i) {
        const ColourValue c = kPalette[i];
        auto* button = new QToolButton(group);
        button->setIcon(FilledIcon(c.toQColor()));
        button->setAutoRaise(true);
        button->setAccessibleName(kPaletteName.arg(c.red()).arg(c.green()).arg(c.blue()));
        paletteButtons[i] = button;
        palette->addWidget(button, int(i) / kPaletteColumns, int(i) % kPaletteColumns);
    }
    otherColourButton = new QPushButton(kOtherColourCaption, group);
    otherColourButton->setAutoDefault(false);
    chosenColourSwatch = new QLabel(group);
    chosenColourSwatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    chosenColourSwatch->setFixedSize(24, 20);
    chosenColourSwatch->setAutoFillBackground(true);
    chosenColourSwatch->setAccessibleName(kChosenColourName);
    hexLabel = new QLabel(group);
    hexLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hexLabel->setAutoFillBackground(true);
    hexLabel->setAlignment(Qt::AlignCenter);
    hexLabel->setAccessibleName(kHexName);
    Paint(hexLabel, kCream);
    showBackgroundColour(settings_.backgroundColour);
    saturationBar = Bar(1, 255, 127, kSaturationCaption, group);
    textureButton = new QPushButton(kTextureCaption, group);
    textureButton->setAutoDefault(false);

    auto* chosen = new QHBoxLayout;
    chosen->addWidget(chosenColourSwatch);
    chosen->addWidget(hexLabel, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(palette);
    layout->addWidget(otherColourButton);
    layout->addLayout(chosen);
    layout->addWidget(new QLabel(kSaturationCaption, group));
    layout->addWidget(saturationBar);
    layout->addWidget(textureButton);
    return group;
}

void ColourAdjustWindow::connectControls() {
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(zoomCheck, &QCheckBox::toggled, this, &ColourAdjustWindow::fitPreview);
    connect(redBar, &QScrollBar::valueChanged, this, &ColourAdjustWindow::setRedPercent);
    connect(greenBar, &QScrollBar::valueChanged, this, &ColourAdjustWindow::setGreenPercent);
    connect(blueBar, &QScrollBar::valueChanged, this, &ColourAdjustWindow::setBluePercent);
    connect(allChannelsBar, &QScrollBar::valueChanged, this, &ColourAdjustWindow::setAllChannels);
    connect(contrastBar, &QScrollBar::valueChanged, this, &ColourAdjustWindow::setContrastAmount);
    connect(progressiveCheck, &QCheckBox::toggled, this, &ColourAdjustWindow::setProgressive);
    // Clicked again, a direction stays the one in force.
    widgets::OnChosen(directionGroup_, this, [this](int id) { chooseDirection(id); });
    connect(thresholdBar, &QScrollBar::valueChanged, this, &ColourAdjustWindow::updateEmboss);
    for (QRadioButton* mode : {plainEmbossRadio, strongInvertedEmbossRadio})
        connect(mode, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) updateEmboss();
        });
    connect(saturationBar, &QScrollBar::valueChanged, this, &ColourAdjustWindow::updateEmboss);
    widgets::OnChecked(backgroundChoice_, this, [this](int) { chooseBackground(); });
    for (size_t i = 0; i < paletteButtons.size(); ++i)
        connect(paletteButtons[i], &QToolButton::clicked, this,
                [this, i] { choosePaletteColour(int(i)); });
    connect(otherColourButton, &QPushButton::clicked, this, &ColourAdjustWindow::chooseOtherColour);
    connect(textureButton, &QPushButton::clicked, this, &ColourAdjustWindow::chooseTexture);
}

// --- Showing ---------------------------------------------------------------------------

bool ColourAdjustWindow::ask(ColourAdjustment adjustment) {
    begin(adjustment);
    return widgets::ExecInFront(*this) == QDialog::Accepted;
}

void ColourAdjustWindow::begin(ColourAdjustment adjustment) {
    platform::Guard(prompts_, [&] {
        configure(adjustment);
        resetRgb();
        buildPreview();
        // Each configuration opens with its preview computed from the settings it keeps; the
        // RGB settings start unchanged, so its preview is the element as it is.
        if (adjustment == ColourAdjustment::Emboss) chooseBackground();
        if (adjustment == ColourAdjustment::Contrast) recompute(ColourAdjustment::Contrast);
    });
}

void ColourAdjustWindow::configure(ColourAdjustment adjustment) {
    const bool rgb = adjustment == ColourAdjustment::Rgb;
    const bool emboss = adjustment == ColourAdjustment::Emboss;
    correctionGroup->setVisible(!emboss);
    for (QScrollBar* bar : {redBar, greenBar, blueBar, allChannelsBar}) bar->setEnabled(rgb);
    contrastBar->setEnabled(adjustment == ColourAdjustment::Contrast);
    progressivePanel->setVisible(rgb);
    embossGroup->setVisible(emboss);
    backgroundGroup->setVisible(emboss);
    for (QWidget* w : std::initializer_list<QWidget*>{
             thresholdBar, plainEmbossRadio, strongInvertedEmbossRadio, backgroundChoiceGroup})
        w->setEnabled(emboss);
}

void ColourAdjustWindow::resetRgb() {
    settings_.redPercent = settings_.greenPercent = settings_.bluePercent = 100;
    settings_.direction = RgbDirection::Uniform;
    for (QScrollBar* bar : {redBar, greenBar, blueBar, allChannelsBar}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(100);
    }
    for (widgets::NumberLabel* label : {redLabel, greenLabel, blueLabel, allChannelsLabel})
        label->setValue(100);
    const QSignalBlocker quiet(directionGroup_);
    for (QToolButton* button : directionButtons) button->setChecked(false);
}

void ColourAdjustWindow::buildPreview() {
    SamplePreview(work_.image(), previewSource_);
    previewResult_ = previewSource_;
    showPreview(previewSource_.height());
    fitPreview();
}

// --- Recomputing the preview -----------------------------------------------------------

void ColourAdjustWindow::recompute(ColourAdjustment adjustment) {
    const int w = previewSource_.width(), h = previewSource_.height();
    ApplyColourAdjustment(adjustment, settings_, texture_, previewSource_, previewResult_, w, h);
    showPreview(adjustment == ColourAdjustment::Emboss ? EmbossedRows(h) : h);
    fitPreview();
}

void ColourAdjustWindow::showPreview(int rows) {
    preview->setPicture(
        PreviewPicture(previewResult_, ShownPreviewColumns(previewResult_.width()), rows));
}

void ColourAdjustWindow::fitPreview() {
    const int zoom = zoomCheck->isChecked() ? 2 : 1;
    const QSize size = preview->picture().size() * zoom;
    preview->setBoxSize(size.width(), size.height());
    preview->move(PreviewOffset(kPanelSide, size.width()),
                  PreviewOffset(kPanelSide, size.height()));
}

void ColourAdjustWindow::setRedPercent(int percent) {
    platform::Guard(prompts_, [&] {
        redLabel->setValue(percent);
        settings_.redPercent = percent;
        recompute(ColourAdjustment::Rgb);
    });
}

void ColourAdjustWindow::setGreenPercent(int percent) {
    platform::Guard(prompts_, [&] {
        greenLabel->setValue(percent);
        settings_.greenPercent = percent;
        recompute(ColourAdjustment::Rgb);
    });
}

void ColourAdjustWindow::setBluePercent(int percent) {
    platform::Guard(prompts_, [&] {
        blueLabel->setValue(percent);
        settings_.bluePercent = percent;
        recompute(ColourAdjustment::Rgb);
    });
}

void ColourAdjustWindow::setAllChannels(int percent) {
    allChannelsLabel->setValue(percent);
    redBar->setValue(percent);
    greenBar->setValue(percent);
    blueBar->setValue(percent);
}

void ColourAdjustWindow::setContrastAmount(int amount) {
    platform::Guard(prompts_, [&] {
        contrastLabel->setValue(amount);
        settings_.contrastAmount = amount;
        recompute(ColourAdjustment::Contrast);
    });
}

void ColourAdjustWindow::chooseDirection(int index) {
    platform::Guard(prompts_, [&] {
        const bool progressive = progressiveCheck->isChecked();
        settings_.direction = progressive ? RgbDirectionFromIndex(index) : RgbDirection::Uniform;
        // The buttons show the direction in force, none when the correction is uniform.
        const QSignalBlocker quiet(directionGroup_);
        for (int i = 0; i < 8; ++i) directionButtons[i]->setChecked(progressive && i + 1 == index);
        if (progressive) recompute(ColourAdjustment::Rgb);
    });
}

void ColourAdjustWindow::setProgressive(bool on) {
    if (on) return;
    platform::Guard(prompts_, [&] {
        settings_.direction = RgbDirection::Uniform;
        {
            const QSignalBlocker quiet(directionGroup_);
            for (QToolButton* button : directionButtons) button->setChecked(false);
        }
        recompute(ColourAdjustment::Rgb);
    });
}

// --- Emboss ----------------------------------------------------------------------------

void ColourAdjustWindow::updateEmboss() {
    platform::Guard(prompts_, [&] {
        EmbossSettings emboss = settings_.emboss;
        emboss.mode =
            plainEmbossRadio->isChecked() ? EmbossMode::Plain : EmbossMode::StrongInverted;
        emboss.threshold = thresholdBar->value();
        thresholdLabel->setValue(emboss.threshold);
        emboss.saturation = saturationBar->value();
        const int choice = backgroundChoice_->checkedId();
        settings_.background = choice < 0 ? EmbossBackground::None : EmbossBackground(choice);
        settings_.emboss =
            EmbossSettingsFor(emboss, settings_.background, settings_.backgroundColour);
        recompute(ColourAdjustment::Emboss);
    });
}

void ColourAdjustWindow::chooseBackground() {
    updateEmboss();
    // The textured relief has one mode only.
    const bool modes = thresholdBar->isEnabled() && !texturedRadio->isChecked();
    plainEmbossRadio->setEnabled(modes);
    strongInvertedEmbossRadio->setEnabled(modes);
}

void ColourAdjustWindow::choosePaletteColour(int index) {
    setBackgroundColour(kPalette[size_t(index)]);
}

void ColourAdjustWindow::chooseOtherColour() {
    std::optional<ColourValue> colour;
    if (platform::Guard(prompts_,
                        [&] { colour = prompts_.chooseColour(settings_.backgroundColour); }) &&
        colour)
        setBackgroundColour(*colour);
}

void ColourAdjustWindow::setBackgroundColour(ColourValue colour) {
    settings_.backgroundColour = colour;
    showBackgroundColour(colour);
    updateEmboss();
}

void ColourAdjustWindow::showBackgroundColour(ColourValue colour) {
    Paint(chosenColourSwatch, colour.toQColor());
    // Red first, as colours are written everywhere else on screen.
    hexLabel->setText(colour.toQColor().name(QColor::HexRgb).toUpper());
}

QString ColourAdjustWindow::textureFolder() const {
    const platform::ProgramFolder& program = program_;
    const QString folder = program.backgroundFolder();
    return QDir(folder).exists() ? folder : program.path();
}

void ColourAdjustWindow::chooseTexture() {
    // A catalogue wired to textureWanted hands the texture picked over through setTexture.
    if (isSignalConnected(QMetaMethod::fromSignal(&ColourAdjustWindow::textureWanted))) {
        emit textureWanted(textureFolder());
        updateEmboss();
        return;
    }
    // Without a catalogue, the platform's file dialog on the same folder.
    platform::Guard(prompts_, [&] {
        const std::optional<QString> name = prompts_.openFileName(
            kTextureDialogCaption, texture::OpenPictureFilter(), textureFolder());
        if (!name) return;
        // Read aside: a file that does not load leaves the texture as it was.
        QImage loaded;
        if (!imagefile::LoadImageByExtension(*name, loaded)) loaded = QImage();
        setTexture(loaded, *name);
    });
}

void ColourAdjustWindow::setTexture(const QImage& texture, const QString& path) {
    platform::Guard(prompts_, [&] {
        if (texture.isNull()) {
            prompts_.warning(kTextureUnreadable.arg(path));
            return;
        }
        QImage converted = texture.convertToFormat(QImage::Format_BGR888);
        if (converted.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
        texture_ = std::move(converted);
        textureThumbnail->setPicture(texture_);
        textureThumbnail->setToolTip(path);
    });
    updateEmboss();
}

}  // namespace tessella::pixels
