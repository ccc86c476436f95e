#pragma once
// What every window of the program is built with: the seams, the program's folder, the one
// texture page, the screen cursors and the windows created at start-up.

#include <functional>

#include "app/Cursors.h"
#include "pixels/WorkingPicture.h"
#include "platform/Clipboard.h"
#include "platform/Pacer.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "texture/NewElementSettings.h"
#include "texture/TexturePage.h"

namespace tessella::texture {
class ElementEditorHost;
class NewElementDialog;
class PageWidthDialog;
}  // namespace tessella::texture
namespace tessella::editor {
class BlurDialog;
class ChannelDialog;
class ResizeDialog;
}  // namespace tessella::editor

// The catalogue of base textures and the drawing tools.
namespace tessella::catalogue {
class CatalogueWindow;
}
namespace tessella::drawing {
class DrawingTools;
}

// The colour adjustment window (RGB correction, contrast, emboss).
namespace tessella::pixels {
class ColourAdjustWindow;
}

namespace tessella::print {
class ContactSheetWindow;
class PrintDialog;
}  // namespace tessella::print
namespace tessella::platform {
class PrinterService;
}

namespace tessella::app {

class AboutBox;
class HelpWindow;

// The windows that exist for the whole run; null until start-up has created them.
struct AppWindows {
    AboutBox* aboutBox = nullptr;
    texture::NewElementDialog* newElementDialog = nullptr;
    texture::PageWidthDialog* pageWidthDialog = nullptr;
    HelpWindow* helpWindow = nullptr;
    // The element editor; the main window stands in for it while there is none.
    texture::ElementEditorHost* elementEditor = nullptr;
    editor::BlurDialog* blurDialog = nullptr;
    editor::ChannelDialog* channelDialog = nullptr;
    pixels::ColourAdjustWindow* colourAdjustWindow = nullptr;
    editor::ResizeDialog* resizeDialog = nullptr;
    // The printer both print windows use, and the two windows.
    platform::PrinterService* printer = nullptr;
    print::ContactSheetWindow* contactSheetWindow = nullptr;
    print::PrintDialog* printDialog = nullptr;
    // The catalogue of base textures and the drawing tools beside the element editor; a
    // texture the catalogue picks for the colour adjustment window goes to
    // textureForColourWindow (picture, file path), which that window sets.
    catalogue::CatalogueWindow* catalogueWindow = nullptr;
    drawing::DrawingTools* drawingTools = nullptr;
    std::function<void(const QImage&, const QString&)> textureForColourWindow;
};

struct AppContext {
    platform::Prompts& prompts;
    platform::Pacer& pacer;
    platform::ProgramFolder programFolder;
    texture::TexturePage& page;
    Cursors cursors{};
    // What the new-element dialog offers; kept for the whole run.
    texture::NewElementSettings newElement{};
    // The picture every pixel operation works on, with its undo copy: the element editor's
    // and the colour windows'.
    pixels::WorkingPicture workingPicture{};
    AppWindows windows{};
    // The clipboard the element editor copies to and pastes from; tests put a fake here.
    platform::Clipboard* clipboard = &platform::SystemClipboard();
};

}  // namespace tessella::app
