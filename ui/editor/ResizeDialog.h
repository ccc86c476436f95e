#pragma once
// "Redimensionner": asks for the element's new size, as a width and height or as a
// percentage of the width, keeps the aspect ratio on request and warns beyond 8 megapixels.
// A second after the last keystroke, the other side follows the one typed. A field keeps what
// is typed; OK refuses a text that is not a whole number in the field's range, and says why.

#include <QDialog>
#include <QSize>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace tessella::platform {
class Prompts;
}

namespace tessella::editor {

class ResizeDialog final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 199;
    static constexpr int kClientHeight = 192;
    static constexpr int kReconcileDelayMs = 1000;
    static constexpr int kMaxSide = 32767;
    static constexpr int kMaxPercentage = 1000;
    // Beyond this many pixels the window warns, and OK asks first.
    static constexpr int64_t kComfortablePixels = 8'000'000;

    explicit ResizeDialog(platform::Prompts& prompts, QWidget* parent = nullptr);

    // Shows the window for an element of size current; answers the size chosen with OK.
    std::optional<QSize> ask(QSize current);

    QLabel* sizeText;
    QLabel* warningLabel;
    QSpinBox* widthSpin;
    QSpinBox* heightSpin;
    QCheckBox* keepRatioCheck;
    QSpinBox* percentageSpin;
    QPushButton* okButton;
    QPushButton* cancelButton;
    QTimer* reconcileTimer;

  public slots:
    void accept() override;
    // However the window closes, a pending reconciliation is dropped with it.
    void done(int result) override;

  private slots:
    void restartReconcileTimer(QSpinBox* typed);
    void applyPercentage();
    // The side not typed follows the one typed (when the ratio is kept); the warning follows.
    void reconcileSizes();

  private:
    enum class Side { Width, Height };
    void showWarning(int64_t area);
    // Says which field holds a text it refuses, and why; true when one does.
    bool refuseTypedText();

    platform::Prompts& prompts_;
    QSize current_{1, 1};
    Side lastTyped_ = Side::Width;
    bool percentagePending_ = false;
};

}  // namespace tessella::editor
