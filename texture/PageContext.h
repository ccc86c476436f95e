#pragma once
// What every page command works with: the document, the questions, the pacing and the window.

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

}  // namespace tessella::texture
