#pragma once
// One thumbnail of the catalogue: a frame captioned with the file name, holding the picture
// fitted into it, and the index of that file in the catalogue's list.

#include <QGroupBox>
#include <QImage>

namespace tessella::widgets {
class ImageBox;
}

namespace tessella::catalogue {

class ThumbnailBox final : public QGroupBox {
    Q_OBJECT

  public:
    explicit ThumbnailBox(int number, QWidget* parent = nullptr);

    // Shows picture, read from the list's file at index, fitted with the zoom flag.
    void showFile(const QString& fileName, int index, const QImage& picture, bool zoomSmall);
    // No picture, a one-blank caption; the index and dimension text are kept.
    void clear();
    // Fits the picture again, without reading anything.
    void refit(bool zoomSmall);

    bool isEmpty() const;
    int fileIndex() const { return fileIndex_; }
    // Width " x " height of the last picture shown.
    const QString& dimensionText() const { return dimensionText_; }

    widgets::ImageBox* picture;

  signals:
    void clicked(tessella::catalogue::ThumbnailBox* box);
    void doubleClicked(tessella::catalogue::ThumbnailBox* box);

  private:
    int fileIndex_ = 0;
    QString dimensionText_;
};

}  // namespace tessella::catalogue
