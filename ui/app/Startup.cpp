#include "ui/app/Startup.h"

#include <QApplication>

#include "ui/app/HelpWindow.h"
#include "ui/app/MainWindow.h"
#include "ui/app/SplashScreen.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/editor/ColourAdjustWindow.h"
#include "ui/editor/DrawingTools.h"
#include "ui/editor/ElementEditor.h"
#include "ui/widgets/QtPrinter.h"

namespace tessella::app {

Startup::Startup(AppContext& context) : context_(context) {}

Startup::~Startup() {
    main_.reset();  // takes its child windows with it
}

void Startup::run() {
    QApplication::setOverrideCursor(Qt::WaitCursor);

    splash_ = std::make_unique<SplashScreen>(context_.prompts);
    splash_->show();
    context_.pacer.processEvents();
    context_.pacer.wait(kSplashWait);

    printer_ = std::make_unique<widgets::QtPrinter>();
    main_ = std::make_unique<MainWindow>(context_.mainWindowServices(*printer_));
    main_->show();
    context_.pacer.processEvents();

    // The element editor opens its own dialogs, the colour window and the drawing tools; the
    // catalogue is opened from the drawing tools, so it belongs to them (the window manager
    // would keep it under the palette, which stays on top) and to the editor with them.
    editor_ = new editor::ElementEditor(context_.editorServices(), main_.get());
    catalogue_ = new catalogue::CatalogueWindow(context_.prompts, context_.programFolder,
                                                editor_->drawingTools());
    help_ = new HelpWindow(context_.prompts, context_.programFolder.helpFile(), main_.get());
    wireWindows();

    context_.pacer.wait(kWindowsWait);
    splash_->hide();
    splash_.reset();
    QApplication::restoreOverrideCursor();
}

void Startup::wireWindows() {
    main_->setElementEditor(*editor_);
    auto showHelp = [help = help_] {
        help->show();
        help->raise();
        help->activateWindow();
    };
    QObject::connect(main_.get(), &MainWindow::helpWanted, help_, showHelp);
    QObject::connect(editor_, &editor::ElementEditor::helpWanted, help_, showHelp);
    // New element files may belong to the catalogue's folder.
    QObject::connect(main_.get(), &MainWindow::sourceFilesWritten, catalogue_,
                     &catalogue::CatalogueWindow::refresh);

    // The catalogue's textures go to the editor, or to the colour window that asked.
    QObject::connect(editor_->drawingTools(), &drawing::DrawingTools::catalogueWanted, catalogue_,
                     &catalogue::CatalogueWindow::openForEditor);
    QObject::connect(catalogue_, &catalogue::CatalogueWindow::textureForEditor, editor_,
                     &editor::ElementEditor::takeTexture);
    pixels::ColourAdjustWindow* colourWindow = editor_->colourWindow();
    QObject::connect(colourWindow, &pixels::ColourAdjustWindow::textureWanted, catalogue_,
                     &catalogue::CatalogueWindow::chooseTexture);
    QObject::connect(catalogue_, &catalogue::CatalogueWindow::textureForColourWindow, colourWindow,
                     &pixels::ColourAdjustWindow::setTexture);
}

}  // namespace tessella::app
