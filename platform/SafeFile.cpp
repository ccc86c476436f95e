#include "platform/SafeFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/Error.h"

namespace tessella::platform {

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        throw TessellaError(QStringLiteral("Impossible d'écrire le fichier %1").arg(path));
    }
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TessellaError(QStringLiteral("Impossible de lire le fichier %1").arg(path));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TessellaError(QStringLiteral("Impossible de lire le fichier %1").arg(path));
    return bytes;
}

}  // namespace tessella::platform
