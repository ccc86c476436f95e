#include "app/PageCommands.h"

#include "app/TFichePrincipale.h"
#include "texture/TFicheConfirmeLargeur.h"

namespace tessella::app {

int32_t PageCommands::DialogWidth::askWidth() {
    if (texture::TFicheConfirmeLargeur* dialog = app_.windows.ficheConfirmeLargeur)
        return dialog->askWidth();
    return app_.page.maxPageWidth;
}

PageCommands::PageCommands(AppContext& context, TFichePrincipale& window)
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
                                    [this] { window_.RefreshSourceLists(); });
}

}  // namespace tessella::app
