#pragma once
// The one guard every window handler runs its body through: a fault abandons the command,
// its French message is shown as an error box, and the program goes on.

#include <functional>

namespace tessella::platform {

class Prompts;

// Runs body; answers false when it was abandoned by a fault (already shown to the user).
bool Guard(Prompts& prompts, const std::function<void()>& body);

}  // namespace tessella::platform
