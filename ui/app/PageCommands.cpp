#include "ui/app/PageCommands.h"

#include <QCoreApplication>

#include "platform/Error.h"
#include "ui/app/MainWindow.h"
#include "ui/texture/PageWidthDialog.h"

namespace tessella::app {

int32_t PageCommands::DialogWidth::askWidth() {
    return window_.pageWidthDialog->askWidth();
}

PageCommands::PageCommands(MainWindow& window)
    : window_(window),
      events_(window, window.services().page),
      context_{window.services().page, window.services().prompts, window.services().pacer, events_},
      width_(window),
      mask_(context_),
      files_(context_, width_, &mask_) {
    events_.attach(mask_);
}

texture::ElementEditFlow PageCommands::elementFlow() {
    texture::ElementEditorHost* editor = window_.elementEditor();
    if (!editor)
        throw platform::TessellaError(
            QCoreApplication::translate("PageCommands", "Éditeur d'éléments absent."));
    return texture::ElementEditFlow(context_, *editor, [this] { window_.refreshSourceLists(); });
}

}  // namespace tessella::app
