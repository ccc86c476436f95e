#include "ui/widgets/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterTessellaResources() {
    Q_INIT_RESOURCE(tessella);
}

namespace tessella::widgets {

void EnsureResources() {
    static const bool registered = (RegisterTessellaResources(), true);
    (void)registered;
}

}  // namespace tessella::widgets
