#pragma once
// The printer's messages, as the user reads them.

#include <QString>

namespace tessella::platform {

inline const QString kNoPrinterMessage =
    QStringLiteral("Aucune imprimante n'est installée : impression impossible.");
inline const QString kPrintRefusedMessage =
    QStringLiteral("L'imprimante a refusé de commencer l'impression.");
inline const QString kPrintFailedMessage = QStringLiteral("L'impression n'a pas pu être terminée.");
inline const QString kPdfFileMissingMessage = QStringLiteral(
    "Aucun fichier PDF n'est choisi :\n\rchoisissez-le dans « Configurer l'imprimante ».");

}  // namespace tessella::platform
