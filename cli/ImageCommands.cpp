#include "cli/Commands.h"

namespace tessella::cli {

int InfoCommand(const QStringList&) {
    PrintError(QStringLiteral("Commande pas encore disponible"));
    return kExitUsage;
}

int ConvertCommand(const QStringList&) {
    PrintError(QStringLiteral("Commande pas encore disponible"));
    return kExitUsage;
}

}  // namespace tessella::cli
