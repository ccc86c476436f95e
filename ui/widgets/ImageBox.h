#pragma once
// The image control: paints a picture with the auto-size, stretch and centre flags. A picture
// with an alpha channel is painted over the grey checkerboard, so its transparency shows.

#include <QImage>
#include <QWidget>
#include <optional>

namespace tessella::widgets {

class ImageBox : public QWidget {
    Q_OBJECT

  public:
    explicit ImageBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    // With auto-size on, the box takes the picture's size.
    void setPicture(const QImage& picture);
    // Lets go of the picture, unpainted and unsized, until the next setPicture: its owner is
    // about to paint into it, which a shared picture would first copy whole.
    void releasePicture() { picture_ = QImage(); }

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    // Stretch: the picture fills the box. Otherwise it is drawn at its own size, in the middle
    // of the box when centre is on, else at the top-left corner.
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    bool center() const { return center_; }
    void setCenter(bool on);

    // Off for a drawing whose transparency shows the window behind (decoration, not a picture
    // of the user's).
    void setCheckerboard(bool on);

    // Gives the box this size (fixed, so layouts keep it).
    void setBoxSize(int width, int height);
    // Where the picture is drawn inside the box.
    QRect pictureRect() const;

    // The whole source pixels of a picture drawn into target that cover exposed, and the part
    // of target they fill at the same scale; nothing when they do not meet.
    struct PaintPart {
        QRect source;
        QRectF target;
    };
    static std::optional<PaintPart> ExposedPart(const QRect& exposed, const QRect& target,
                                                QSize picture);

  signals:
    void mouseDown(Qt::MouseButton button, QPoint pos);
    // Moves are reported while a button is down, or always with mouse tracking on.
    void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Paints the picture into a painter on the box (or on a buffer of the box's size).
    void paintPicture(QPainter& painter) const { paintPicture(painter, rect()); }
    // Only the part that covers exposed, scaled at paint time with nearest neighbours: an
    // enlarged copy of the picture is never made.
    void paintPicture(QPainter& painter, const QRect& exposed) const;

  private:
    void fitToPicture();

    QImage picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool checkerboard_ = true;
};

}  // namespace tessella::widgets
