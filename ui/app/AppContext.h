#pragma once
// The services of the run, held by start-up: the seams, the program's folder, the one texture
// page, the screen cursors, the new-element settings, the working picture and the clipboard.
// Start-up hands each window only the ones it uses; no window holds this whole set.

#include "pixels/WorkingPicture.h"
#include "platform/Clipboard.h"
#include "platform/Pacer.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "texture/NewElementSettings.h"
#include "texture/TexturePage.h"
#include "ui/app/MainWindow.h"
#include "ui/editor/ElementEditor.h"
#include "ui/widgets/Cursors.h"

namespace tessella::app {

struct AppContext {
    platform::Prompts& prompts;
    platform::Pacer& pacer;
    platform::ProgramFolder programFolder;
    texture::TexturePage& page;
    widgets::Cursors cursors{};
    // What the new-element dialogs offer; kept for the whole run.
    texture::NewElementSettings newElement{};
    // The picture every pixel operation works on, with its undo copy.
    pixels::WorkingPicture workingPicture{};
    // The clipboard the element editor copies to and pastes from; tests put a fake here.
    platform::Clipboard* clipboard = &platform::SystemClipboard();

    // What the main window and the element editor each take of the set.
    MainWindow::Services mainWindowServices(platform::PrinterService& printer) {
        return {prompts, pacer, page, cursors, newElement, printer};
    }
    editor::ElementEditor::Services editorServices() {
        return {prompts, pacer, workingPicture, newElement, *clipboard, cursors, programFolder};
    }
};

}  // namespace tessella::app
