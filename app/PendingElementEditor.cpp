#include "app/PendingElementEditor.h"

#include "platform/Prompts.h"

namespace tessella::app {

texture::EditResult PendingElementEditor::edit(const texture::ElementRequest&) {
    prompts_.information(kEditorPendingText);
    return {};
}

}  // namespace tessella::app
