#pragma once
// The page commands of the main window for the whole run: the document's context, the
// replace mask and the page files (both keep state between commands), and the element
// editor hand-over.

#include "app/AppContext.h"
#include "app/MainWindowPageEvents.h"
#include "app/PendingElementEditor.h"
#include "texture/ElementEditFlow.h"
#include "texture/PageContext.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/ReplaceMask.h"
#include "texture/SourcePanel.h"
#include "texture/WidthQuestion.h"

namespace tessella::app {

class MainWindow;

class PageCommands {
  public:
    PageCommands(AppContext& context, MainWindow& window);

    texture::PageContext& context() { return context_; }
    texture::ReplaceMask& mask() { return mask_; }
    texture::PageFiles& files() { return files_; }
    texture::PagePacker packer() { return texture::PagePacker(context_); }
    texture::SourcePanel sourcePanel() { return texture::SourcePanel(context_); }
    // With the editor window once start-up has made one, else the placeholder.
    texture::ElementEditFlow elementFlow();

  private:
    // The width question of "new" is the dialog made at start-up, after the main window.
    class DialogWidth final : public texture::WidthQuestion {
      public:
        explicit DialogWidth(AppContext& context) : app_(context) {}
        int32_t askWidth() override;

      private:
        AppContext& app_;
    };

    AppContext& app_;
    MainWindow& window_;
    MainWindowPageEvents events_;
    texture::PageContext context_;
    DialogWidth width_;
    texture::ReplaceMask mask_;
    texture::PageFiles files_;
    PendingElementEditor pendingEditor_;
};

}  // namespace tessella::app
