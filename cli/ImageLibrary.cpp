#include "cli/ImageLibrary.h"

#include <QCoreApplication>

#include "imagefile/ImageLoader.h"
#include "platform/Error.h"

namespace tessella::cli {

namespace {

class FullWork final : public ImageLibraryWork {
  public:
    void loadWorkingPicture(const QString& file, pixels::WorkingPicture& work) override {
        QImage bitmap = LoadPicture(file);
        work.load(bitmap);
    }
    std::any loadTexture(const QString& file) override { return LoadPicture(file); }
    void emboss(pixels::WorkingPicture& work, const pixels::EmbossSettings& settings,
                const std::any& texture) override {
        const QImage* picture = std::any_cast<QImage>(&texture);
        pixels::Emboss(work.image(), work.image(), work.width(), work.height(), settings,
                       picture ? *picture : QImage());
    }
    void convert(const QString& input, const QString& output) override {
        WritePicture(LoadPicture(input), output);
    }
};

}  // namespace

QImage LoadPicture(const QString& file) {
    QImage image;
    if (!imagefile::LoadImageByExtension(file, image))
        throw platform::TessellaError(
            QCoreApplication::translate(
                "CommandLine", "Erreur de Chargement de l'image : extension non reconnue (%1)")
                .arg(file));
    return image;
}

void WritePicture(const QImage& image, const QString& path) {
    if (image.isNull())
        throw platform::TessellaError(
            QCoreApplication::translate("CommandLine", "Image vide : %1").arg(path));
    WritePicture(imagefile::RowsOf(image), path);
}

ImageLibraryWork& FullImageLibrary() {
    static FullWork work;
    return work;
}

}  // namespace tessella::cli
