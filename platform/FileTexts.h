#pragma once
// The file writer's reasons, as the user reads them after "Impossible d'écrire le fichier ... :".

#include <QString>

namespace tessella::platform {

inline const QString kWriteProtectedReason = QStringLiteral("fichier protégé en écriture");

}  // namespace tessella::platform
