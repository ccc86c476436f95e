#pragma once
// What every page command works with: the document, the questions, the pacing and the window.

#include "platform/CheckedMath.h"
#include "platform/Pacer.h"
#include "platform/Prompts.h"
#include "texture/PageEvents.h"
#include "texture/TexturePage.h"

namespace tessella::texture {

struct PageContext {
    TexturePage& page;
    platform::Prompts& prompts;
    platform::Pacer& pacer;
    PageEvents& events;
};

// "W x H", as the status bar and sourceSizeLabel show sizes.
inline QString SizeText(int32_t width, int32_t height) {
    return QStringLiteral("%1 x %2").arg(width).arg(height);
}

// The "Nombre de textures" panel: the elements the page's list names where the list covers
// the page (a new page, one opened with its atlas data), else the import-size cells it holds.
inline QString ElementCountText(const TexturePage& page) {
    const int64_t count = page.framesCoverPage
                              ? static_cast<int64_t>(page.frames.size())
                              : int64_t{platform::CheckedDiv(page.pageWidth, page.importWidth)} *
                                    platform::CheckedDiv(page.pageHeight, page.importHeight);
    return QStringLiteral(" %1").arg(count);
}

// Keeps that panel current after a command changed the page or its list.
inline void ShowElementCount(const PageContext& c) {
    c.events.setStatusPanel(kPanelElementCount, ElementCountText(c.page));
}

}  // namespace tessella::texture
