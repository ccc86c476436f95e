#include "cli/Commands.h"

namespace tessella::cli {

int PackCommand(const QStringList&) {
    PrintError(QStringLiteral("Commande pas encore disponible"));
    return kExitUsage;
}

int ExtractCommand(const QStringList&) {
    PrintError(QStringLiteral("Commande pas encore disponible"));
    return kExitUsage;
}

}  // namespace tessella::cli
