#pragma once
// A framed shape with a centred caption, painted on its own surface: the element editor's
// label that follows the pointer is one.

#include <QBrush>
#include <QPen>
#include <QWidget>

#include "drawing/ShapeGeometry.h"

namespace tessella::widgets {

class ShapeOverlay : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kInitialSide = 65;

    explicit ShapeOverlay(QWidget* parent = nullptr);

    drawing::ShapeKind shape() const { return shape_; }
    void setShape(drawing::ShapeKind shape);
    const QPen& pen() const { return pen_; }
    void setPen(const QPen& pen);
    const QBrush& brush() const { return brush_; }
    void setBrush(const QBrush& brush);
    // Clamped with ClampBorder against the size the control has now.
    int border() const { return border_; }
    void setBorder(int border);
    // With a border: whether the outer outline is drawn in the pen colour (otherwise in the
    // brush colour, so only the inner outline shows).
    bool frameVisible() const { return frameVisible_; }
    void setFrameVisible(bool visible);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The caption's rectangle: its wrapped, centred text measured in the control and placed
    // in its middle.
    QRect captionRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    drawing::ShapeKind shape_ = drawing::ShapeKind::Rectangle;
    QPen pen_;
    QBrush brush_{Qt::white};
    int border_ = 0;
    bool frameVisible_ = false;
    QString caption_;
};

}  // namespace tessella::widgets
