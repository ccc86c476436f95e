#pragma once
// The page commands of the main window for the whole run: the document's context, the
// replace mask and the page files (both keep state between commands), and the element
// editor hand-over.

#include "texture/ElementEditFlow.h"
#include "texture/PageContext.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/ReplaceMask.h"
#include "texture/SourcePanel.h"
#include "texture/WidthQuestion.h"
#include "ui/app/MainWindowPageEvents.h"

namespace tessella::app {

class MainWindow;

class PageCommands {
  public:
    explicit PageCommands(MainWindow& window);

    texture::PageContext& context() { return context_; }
    texture::ReplaceMask& mask() { return mask_; }
    texture::PageFiles& files() { return files_; }
    texture::PagePacker packer() { return texture::PagePacker(context_); }
    texture::SourcePanel sourcePanel() { return texture::SourcePanel(context_); }
    // "Arrêter": the run in progress stops after its step in hand.
    void requestStop() { events_.requestStop(); }
    // The hand-over to the window's element editor; throws when it has none.
    texture::ElementEditFlow elementFlow();

  private:
    // The width question of "new" is the main window's page width dialog.
    class DialogWidth final : public texture::WidthQuestion {
      public:
        explicit DialogWidth(MainWindow& window) : window_(window) {}
        int32_t askWidth() override;

      private:
        MainWindow& window_;
    };

    MainWindow& window_;
    MainWindowPageEvents events_;
    texture::PageContext context_;
    DialogWidth width_;
    texture::ReplaceMask mask_;
    texture::PageFiles files_;
};

}  // namespace tessella::app
