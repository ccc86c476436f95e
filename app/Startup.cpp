#include "app/Startup.h"

#include <QApplication>

#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/SplashScreen.h"
#include "catalogue/CatalogueWindow.h"
#include "drawing/DrawingTools.h"
#include "editor/BlurDialog.h"
#include "editor/ChannelDialog.h"
#include "editor/ElementEditor.h"
#include "pixels/ColourAdjustWindow.h"
#include "editor/ResizeDialog.h"
#include "platform/QtPrinter.h"
#include "print/ContactSheetWindow.h"
#include "print/PrintDialog.h"
#include "texture/NewElementDialog.h"
#include "texture/PageWidthDialog.h"

namespace tessella::app {

Startup::Startup(AppContext& context) : context_(context) {}

Startup::~Startup() {
    context_.windows = AppWindows{};
    main_.reset();  // takes its child windows with it
}

void Startup::run() {
    QApplication::setOverrideCursor(Qt::WaitCursor);

    splash_ = std::make_unique<SplashScreen>(context_);
    splash_->show();
    context_.pacer.processEvents();
    context_.pacer.wait(kSplashWait);

    main_ = std::make_unique<MainWindow>(context_);
    main_->show();
    context_.pacer.processEvents();

    // The other windows, in their order; each exists for the whole run.
    context_.windows.aboutBox = new AboutBox(context_, main_.get());
    context_.windows.elementEditor = new editor::ElementEditor(context_, main_.get());
    context_.windows.colourAdjustWindow = new pixels::ColourAdjustWindow(context_, main_.get());
    // The drawing tools beside the editor (its child, so the modal editor lets them work) and
    // the catalogue, whose textures go to the editor.
    auto* editor = static_cast<editor::ElementEditor*>(context_.windows.elementEditor);
    context_.windows.drawingTools = new drawing::DrawingTools(context_, *editor, editor);
    context_.windows.catalogueWindow = new catalogue::CatalogueWindow(context_, main_.get());
    QObject::connect(context_.windows.catalogueWindow,
                     &catalogue::CatalogueWindow::textureForEditor, editor,
                     &editor::ElementEditor::takeTexture);
    context_.windows.newElementDialog =
        new texture::NewElementDialog(context_.newElement, context_.prompts, main_.get());
    context_.windows.pageWidthDialog = new texture::PageWidthDialog(main_.get());
    context_.windows.blurDialog = new editor::BlurDialog(main_.get());
    context_.windows.resizeDialog = new editor::ResizeDialog(context_.prompts, main_.get());
    auto* printer = new platform::QtPrinter(main_.get());
    context_.windows.printer = printer;
    context_.windows.contactSheetWindow = new print::ContactSheetWindow(
        context_.prompts, context_.pacer, *printer, main_.get());
    context_.windows.printDialog =
        new print::PrintDialog(context_.prompts, context_.pacer, *printer, main_.get());
    context_.windows.helpWindow = new HelpWindow(context_, main_.get());
    context_.windows.channelDialog = new editor::ChannelDialog(main_.get());

    context_.pacer.wait(kWindowsWait);
    splash_->hide();
    splash_.reset();
    QApplication::restoreOverrideCursor();
}

}  // namespace tessella::app
