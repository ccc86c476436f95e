#pragma once
// "Aperçu en mosaïque": the element repeated 3 x 3 at zoom 1 to 4, so that its seams show, with
// the seam figure. A non-modal child of the editor that follows each picture it shows.

#include <QDialog>
#include <QImage>
#include <optional>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace tessella::editor {

// The 3 x 3 mosaic, its middle tile in the middle of the widget, cut at the widget's edges; a
// picture with transparency over the grey checkerboard.
class TiledView final : public QWidget {
    Q_OBJECT

  public:
    explicit TiledView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // As ImageBox::releasePicture.
    void releasePicture() { picture_ = QImage(); }
    void setZoom(int zoom);
    void setOutlined(bool outlined);
    int zoom() const { return zoom_; }
    // Where the middle tile's top-left corner is drawn.
    QPoint middleTileOrigin() const;
    // The mosaic drawn into painter over the widget's rect (what paintEvent does).
    void paintMosaic(QPainter& painter, const QRect& exposed);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The picture's size at the zoom.
    QSize tileSize() const { return picture_.size() * zoom_; }

    // Scaled at paint time, only where exposed: an enlarged copy of a large element would cost
    // more than the change it follows.
    QImage picture_;
    int zoom_ = 1;
    bool outlined_ = false;
};

class TiledPreview final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 4;
    static constexpr int kGapToEditor = 4;

    explicit TiledPreview(QWidget* editor);

    // Where the window goes beside editor's frame: to the right or the left, on the screen, and
    // clear of the palette when there is one and room allows (else beside or below it). No
    // room beside the editor on the screen: over the editor's picture, in its bottom right
    // corner, below controlsBottom (where the editor's buttons end), so it covers no control.
    static QPoint Place(const QRect& editor, QSize preview, const QRect& screen,
                        const std::optional<QRect>& palette, int controlsBottom);

    // Shows the window beside the editor, clear of palette (its frame) when given and of the
    // editor's controls, which end at controlsBottom (global).
    void showBesideEditor(const std::optional<QRect>& palette, int controlsBottom);

    QSpinBox* zoomSpin;
    QCheckBox* outlineCheck;
    QLabel* seamLabel;
    TiledView* view;

    // The picture shown and the seam figure its text was made from.
    const QImage& picture() const { return picture_; }

  public slots:
    // The editor's picture changed; a hidden window only keeps it for its next showing.
    void showPicture(const QImage& picture);
    // A hidden window lets go of its picture until showPicture gives it the next one.
    void dropHiddenPicture();
    // Lets go of the picture, unpainted, until showPicture gives it back drawn on.
    void releasePicture();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refresh();

    QImage picture_;
    bool stale_ = true;
};

// "Rendre raccordable": asks the width of the blend band.
class BlendBandDialog final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kDefaultBand = 32;

    explicit BlendBandDialog(QWidget* parent = nullptr);

    // Shows the window for an element of size; answers the band chosen with OK.
    std::optional<int> ask(QSize size);

    QSpinBox* bandSpin;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace tessella::editor
