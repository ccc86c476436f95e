#pragma once
// The file writer's reasons, as the user reads them after "Impossible d'écrire le fichier ... :".

#include <QString>

#include "platform/Text.h"

namespace tessella::platform {

inline constexpr platform::Text kWriteProtectedReason{
    QT_TRANSLATE_NOOP("Tessella", "fichier protégé en écriture")};

// %1: the file; %2: the reason.
inline constexpr platform::Text kWriteFailedMessage{
    QT_TRANSLATE_NOOP("Tessella", "Impossible d'écrire le fichier %1 : %2")};
inline constexpr platform::Text kReadFailedMessage{
    QT_TRANSLATE_NOOP("Tessella", "Impossible de lire le fichier %1 : %2")};
// The reasons the system gives, in words the user can act on.
inline constexpr platform::Text kDiskFullReason{QT_TRANSLATE_NOOP("Tessella", "disque plein")};
inline constexpr platform::Text kNoPermissionReason{
    QT_TRANSLATE_NOOP("Tessella", "droits insuffisants")};
inline constexpr platform::Text kFileMissingReason{
    QT_TRANSLATE_NOOP("Tessella", "fichier introuvable")};
inline constexpr platform::Text kFolderMissingReason{
    QT_TRANSLATE_NOOP("Tessella", "dossier introuvable")};
inline constexpr platform::Text kIsFolderReason{QT_TRANSLATE_NOOP("Tessella", "c'est un dossier")};
inline constexpr platform::Text kNotRegularFileReason{
    QT_TRANSLATE_NOOP("Tessella", "ce n'est pas un fichier ordinaire")};
inline constexpr platform::Text kFileTooLargeReason{
    QT_TRANSLATE_NOOP("Tessella", "fichier trop grand")};

}  // namespace tessella::platform
