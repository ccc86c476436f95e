#pragma once
// "Flou": nine buttons that each apply one blur step to the element and a "Défaire" that
// brings back the element as it was before the first step. The editor does the work; the
// window only says what was asked.

#include <QDialog>
#include <array>

#include "pixels/Blur.h"

class QPushButton;

namespace tessella::editor {

class BlurDialog final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kWidth = 392;
    static constexpr int kHeight = 27;
    // Where it goes from the editor's top-left corner, and before any editor placed it.
    static constexpr QPoint kOffsetFromEditor{50, 50};
    static constexpr QPoint kInitialPosition{200, 50};

    // The variants of the buttons from left to right.
    static constexpr std::array<pixels::BlurVariant, 9> kButtonOrder = {
        pixels::BlurVariant::Whole,          pixels::BlurVariant::Right,
        pixels::BlurVariant::DownRight,      pixels::BlurVariant::Down,
        pixels::BlurVariant::DownOneLeftTwo, pixels::BlurVariant::Left,
        pixels::BlurVariant::UpLeft,         pixels::BlurVariant::Up,
        pixels::BlurVariant::UpOneRightTwo};

    explicit BlurDialog(QWidget* parent = nullptr);

    // The step buttons, from left to right.
    std::array<QPushButton*, 9> stepButtons{};
    QPushButton* undoButton;

  signals:
    void stepRequested(pixels::BlurVariant variant);
    void undoRequested();
};

}  // namespace tessella::editor
