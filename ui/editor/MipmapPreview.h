#pragma once
// "Aperçu des mipmaps": the element at its first five mip levels side by side, each spread over
// the element's size without smoothing, so that moiré and colour drift show. A non-modal child
// of the editor that follows each picture it shows.

#include <QDialog>
#include <QImage>
#include <QList>

class QLabel;

namespace tessella::editor {

class MipmapPreview final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kLevels = 5;  // levels 0 to 4
    // Each level is shown in a square of this side at most, and small elements are enlarged
    // by a whole factor up to it.
    static constexpr int kCellSide = 160;

    explicit MipmapPreview(QWidget* editor);

    // One picture and one caption a level, level 0 first; a level the element does not have
    // (it reached 1 x 1 before) shows nothing.
    QList<QLabel*> levelViews;
    QList<QLabel*> levelCaptions;

    // The picture shown for level n at the element's size (before enlarging), or a null one.
    const QImage& levelPicture(int n) const { return levels_[n]; }

  public slots:
    // The editor's picture changed: shown at once while visible; a hidden window only notes
    // that it must ask again, holding no copy.
    void showPicture(const QImage& picture);

  private:
    QImage levels_[kLevels];
};

}  // namespace tessella::editor
