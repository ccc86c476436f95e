#include "cli/Commands.h"

namespace tessella::cli {

int OpCommand(const QStringList&) {
    PrintError(QStringLiteral("Commande pas encore disponible"));
    return kExitUsage;
}

}  // namespace tessella::cli
