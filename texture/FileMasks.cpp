#include "texture/FileMasks.h"

#include "texture/PageTexts.h"

namespace tessella::texture {

const QString& SourceFileMask() {
    static const QString mask = QStringLiteral(
        "*.bmp;*.jpg;*.win;*.vst;*.vda;*.tiff;*.tif;*.tga;*.sgi;*.rpf;*.rle;*.rla;*.rgba;*.rgb;"
        "*.psd;*.ppm;*.pgm;*.pbm;*.pic;*.pcx;*.pdd;*.pcd;*.pcc;*.icb;*.gif;*.dib;*.cut;*.cel;"
        "*.bw;*.png;*.jpeg;*.jpe;*.webp;*.dds;*.ktx2;*.astc;");
    return mask;
}

QStringList SourceNameFilters() {
    return SourceFileMask().split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QString OpenPictureFilter() {
    return texture::kPictureOpenFilter;
}

}  // namespace tessella::texture
