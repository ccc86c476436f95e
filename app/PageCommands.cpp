#include "app/PageCommands.h"

#include "app/MainWindow.h"
#include "texture/PageWidthDialog.h"

namespace tessella::app {

int32_t PageCommands::DialogWidth::askWidth() {
    if (texture::PageWidthDialog* dialog = app_.windows.pageWidthDialog) return dialog->askWidth();
    return app_.page.maxPageWidth;
}

PageCommands::PageCommands(AppContext& context, MainWindow& window)
    : app_(context),
      window_(window),
      events_(window, context.page),
      context_{context.page, context.prompts, context.pacer, events_},
      width_(context),
      mask_(context_),
      files_(context_, width_, &mask_),
      pendingEditor_(context.prompts) {
    events_.attach(mask_);
}

texture::ElementEditFlow PageCommands::elementFlow() {
    texture::ElementEditorHost* editor = app_.windows.elementEditor;
    return texture::ElementEditFlow(context_, editor ? *editor : pendingEditor_,
                                    [this] { window_.refreshSourceLists(); });
}

}  // namespace tessella::app
