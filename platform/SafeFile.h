#pragma once
// Files are written beside their target and renamed over it only when complete, so a failed
// write never leaves the user with less than they had.

#include <QByteArray>
#include <QString>

namespace tessella::platform {

// Writes bytes to path through a temporary file in the same folder. Throws TessellaError
// ("Impossible d'écrire le fichier <path>") and leaves any old file untouched on failure.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file; throws TessellaError ("Impossible de lire le fichier <path>").
QByteArray ReadWholeFile(const QString& path);

}  // namespace tessella::platform
