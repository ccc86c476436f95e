#pragma once
// The program's compiled-in resources (splash picture, cursors) live in a static library, so
// they must be registered by hand before the first use.

namespace tessella::widgets {

// Registers the resources once; later calls do nothing.
void EnsureResources();

}  // namespace tessella::widgets
