#include "ui/editor/ResizeDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QValidator>
#include <algorithm>

#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "platform/Rounding.h"
#include "ui/editor/EditorTexts.h"

namespace tessella::editor {

namespace {

// The whole number a spin's text holds, when it is digits only within the spin's range.
std::optional<int> NumberInRange(const QString& text, const QSpinBox& spin) {
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < spin.minimum() || value > spin.maximum()) return std::nullopt;
    return value;
}

// A spin that keeps whatever is typed: the window takes it or says why it refuses it. A
// plain spin drops signs, letters and separators as they are typed ("12,5" read 125) and
// puts its last value back when it loses the focus.
class TypedSpin final : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;
    QValidator::State validate(QString& text, int&) const override {
        return NumberInRange(text.trimmed(), *this) ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
    }
    void fixup(QString&) const override {}

  protected:
    void focusOutEvent(QFocusEvent* event) override {
        if (NumberInRange(cleanText(), *this))
            QSpinBox::focusOutEvent(event);
        else
            QWidget::focusOutEvent(event);  // the text stays for OK to refuse
    }
    void keyPressEvent(QKeyEvent* event) override {
        // Enter on a refused text goes to OK, which says why, rather than to the spin, which
        // would put the last value back.
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !NumberInRange(cleanText(), *this)) {
            event->ignore();
            return;
        }
        QSpinBox::keyPressEvent(event);
    }
};

QSpinBox* SideSpin(const QString& name, int maximum, QWidget* parent) {
    auto* spin = new TypedSpin(parent);
    spin->setRange(1, maximum);
    spin->setAccessibleName(name);
    return spin;
}

// The number typed in a spin, when the spin takes it.
std::optional<int> TypedValue(const QSpinBox* spin) {
    return NumberInRange(spin->cleanText(), *spin);
}

}  // namespace

ResizeDialog::ResizeDialog(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(kResizeTitle);
    setModal(true);

    sizeText = new QLabel(this);
    sizeText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sizeText->setAlignment(Qt::AlignCenter);
    sizeText->setAccessibleName(kResizeSizeName);
    warningLabel = new QLabel(this);
    warningLabel->setAlignment(Qt::AlignCenter);
    warningLabel->setWordWrap(true);
    warningLabel->setAutoFillBackground(true);
    // Room for the three lines of the warning, so the window keeps its size when it shows.
    warningLabel->setMinimumHeight(3 * warningLabel->fontMetrics().lineSpacing() + 4);
    warningLabel->setAccessibleName(kResizeWarningName);
    widthSpin = SideSpin(kResizeWidthCaption, kMaxSide, this);
    heightSpin = SideSpin(kResizeHeightCaption, kMaxSide, this);
    keepRatioCheck = new QCheckBox(kKeepRatioCaption, this);
    keepRatioCheck->setChecked(true);
    percentageSpin = SideSpin(kPercentageCaption, kMaxPercentage, this);
    percentageSpin->setValue(100);
    okButton = new QPushButton(kOkCaption, this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(kCancelCaption, this);
    cancelButton->setAutoDefault(false);

    auto* widthLabel = new QLabel(kResizeWidthCaption, this);
    widthLabel->setBuddy(widthSpin);
    auto* heightLabel = new QLabel(kResizeHeightCaption, this);
    heightLabel->setBuddy(heightSpin);
    auto* percentageLabel = new QLabel(kPercentageCaption, this);
    percentageLabel->setBuddy(percentageSpin);

    auto* grid = new QGridLayout(this);
    grid->addWidget(sizeText, 0, 0, 1, 3);
    grid->addWidget(warningLabel, 1, 0, 1, 3);
    grid->addWidget(widthLabel, 2, 0);
    grid->addWidget(widthSpin, 2, 1, 1, 2);
    grid->addWidget(heightLabel, 3, 0);
    grid->addWidget(heightSpin, 3, 1, 1, 2);
    grid->addWidget(keepRatioCheck, 4, 0, 1, 3);
    grid->addWidget(percentageLabel, 5, 0);
    grid->addWidget(percentageSpin, 5, 1);
    grid->addWidget(new QLabel(kPercentSign, this), 5, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    grid->addLayout(buttons, 6, 0, 1, 3);
    setFixedSize(kClientWidth, std::max(kClientHeight, sizeHint().height()));

    reconcileTimer = new QTimer(this);
    reconcileTimer->setSingleShot(true);
    reconcileTimer->setInterval(kReconcileDelayMs);

    connect(widthSpin, &QSpinBox::textChanged, this, [this] {
        lastTyped_ = Side::Width;
        restartReconcileTimer(widthSpin);
    });
    connect(heightSpin, &QSpinBox::textChanged, this, [this] {
        lastTyped_ = Side::Height;
        restartReconcileTimer(heightSpin);
    });
    connect(percentageSpin, &QSpinBox::textChanged, this, &ResizeDialog::applyPercentage);
    connect(reconcileTimer, &QTimer::timeout, this, &ResizeDialog::reconcileSizes);
    connect(okButton, &QPushButton::clicked, this, &ResizeDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ResizeDialog::reject);
}

std::optional<QSize> ResizeDialog::ask(QSize current) {
    current_ = current;
    lastTyped_ = Side::Width;
    percentagePending_ = false;
    sizeText->setText(kResizeSizeText.arg(current.width()).arg(current.height()));
    {
        // The percentage keeps the value last typed.
        const QSignalBlocker w(widthSpin), h(heightSpin);
        widthSpin->setValue(current.width());
        heightSpin->setValue(current.height());
    }
    // The warning speaks of the size shown, not of an earlier showing's.
    showWarning(int64_t{widthSpin->value()} * heightSpin->value());
    if (exec() != QDialog::Accepted) return std::nullopt;
    return QSize(widthSpin->value(), heightSpin->value());
}

void ResizeDialog::restartReconcileTimer(QSpinBox* typed) {
    if (isVisible() && TypedValue(typed)) reconcileTimer->start();
}

void ResizeDialog::applyPercentage() {
    const std::optional<int> percentage = TypedValue(percentageSpin);
    if (!isVisible() || !percentage) return;
    platform::Guard(prompts_, [&] {
        widthSpin->setValue(platform::RoundHalfEven(current_.width() * double(*percentage) / 100));
        keepRatioCheck->setChecked(true);
        percentagePending_ = true;
        reconcileTimer->start();
    });
}

void ResizeDialog::reconcileSizes() {
    reconcileTimer->stop();
    const bool fromWidth = percentagePending_ || lastTyped_ == Side::Width;
    percentagePending_ = false;
    platform::Guard(prompts_, [&] {
        QSpinBox* typed = fromWidth ? widthSpin : heightSpin;
        QSpinBox* other = fromWidth ? heightSpin : widthSpin;
        const std::optional<int> value = TypedValue(typed);
        if (!value) return;
        if (keepRatioCheck->isChecked()) {
            const double before = std::max(1, fromWidth ? current_.width() : current_.height());
            const double otherBefore = fromWidth ? current_.height() : current_.width();
            const double ratio = *value / before;
            const QSignalBlocker quiet(other);
            other->setValue(std::clamp(platform::RoundHalfEven(otherBefore * ratio), 1, kMaxSide));
        }
        showWarning(int64_t{widthSpin->value()} * heightSpin->value());
    });
}

void ResizeDialog::showWarning(int64_t area) {
    QPalette palette = warningLabel->palette();
    if (area > kComfortablePixels) {
        warningLabel->setText(platform::DisplayText(kResizeWarning.arg(area / 1'000'000)));
        palette.setColor(QPalette::Window, Qt::red);
        palette.setColor(QPalette::WindowText, Qt::yellow);
    } else {
        warningLabel->clear();
        palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    }
    warningLabel->setPalette(palette);
}

bool ResizeDialog::refuseTypedText() {
    for (QSpinBox* spin : {widthSpin, heightSpin, percentageSpin}) {
        if (TypedValue(spin)) continue;
        prompts_.warning(kResizeFieldRefused.arg(spin->accessibleName(), spin->cleanText(),
                                                 QString::number(spin->minimum()),
                                                 QString::number(spin->maximum())));
        spin->setFocus();
        spin->selectAll();
        return true;
    }
    return false;
}

void ResizeDialog::accept() {
    // A field whose text is refused says so; the window stays open for it to be corrected.
    if (refuseTypedText()) return;
    // OK within a second of typing: the sizes are reconciled first, so the ratio is kept and
    // the warning speaks of the size OK applies.
    if (reconcileTimer->isActive() || percentagePending_) reconcileSizes();
    widthSpin->interpretText();
    heightSpin->interpretText();
    reconcileTimer->stop();
    const int64_t area = int64_t{widthSpin->value()} * heightSpin->value();
    if (area > kComfortablePixels &&
        prompts_.message(platform::MessageKind::Warning, kResizeQuestion, platform::kYesNo) !=
            platform::Answer::Yes) {
        reject();
        return;
    }
    QDialog::accept();
}

void ResizeDialog::done(int result) {
    reconcileTimer->stop();
    percentagePending_ = false;
    QDialog::done(result);
}

}  // namespace tessella::editor
