#pragma once
// The file mask of the source list and the filter of the picture-open dialog.

#include <QString>
#include <QStringList>

namespace tessella::texture {

// "*.bmp;*.jpg;...;*.webp;*.dds;*.ktx2;*.astc;": the patterns of the source list, the
// program's 29 in its order and today's formats after them. Matched whatever the case.
const QString& SourceFileMask();
// The same patterns as a list ("*.bmp", "*.jpg", ...), for QFileSystemModel name filters.
QStringList SourceNameFilters();
// The picture-open dialog's 19 entries "Caption|patterns" joined by "|", "Toutes images " first.
QString OpenPictureFilter();

}  // namespace tessella::texture
