#pragma once
// The document of the main window: one texture page and its packing state.

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

#include "texture/AtlasData.h"
#include "texture/PageBitmap.h"

namespace tessella::texture {

struct TexturePage {
    // The page picture; empty until "new" or "open". pageOwned() says whether one exists.
    PageBitmap pageBitmap;
    bool pageOwned() const { return !pageBitmap.isNull(); }

    int32_t pageWidth = 0;  // the page size as last recorded
    int32_t pageHeight = 0;
    int32_t importWidth = 64;  // the size every element must have
    int32_t importHeight = 64;
    bool freeSize = false;  // "LIBRE Toutes dimensions"
    int32_t maxPageWidth = 512;
    int32_t insertX = 0;  // top-left corner of the next added element
    int32_t insertY = 0;
    int32_t rowStartX = 0;       // left edge of new rows while firstRowOpen
    int32_t tallestElement = 0;  // row pitch while firstRowOpen
    bool firstRowOpen = false;
    bool widthMayGrow = false;
    bool pageOpen = false;
    bool modified = false;
    QString textureFileName;  // full path of the page's file (TGA, PNG or a picture opened)
    QString sourceFileName;   // full path of the source shown in the preview
    QString sourceFolder;     // folder of the source list, ending with '/'
    double zoomFactor = 1.0;
    bool allSelected = false;
    bool yesToAllSizes = false;  // answers remembered during one multi-file add
    bool noToAllSizes = false;
    QImage::Format workingPixelFormat = QImage::Format_BGR888;

    // The source preview's picture: the element that "Ajouter" and "Remplacer" place.
    QImage sourcePicture;

    // Every element placed this session, or read from the atlas file beside the page: written
    // beside the page on every save.
    std::vector<AtlasFrame> frames;
    // frames name every element of the page (a new page, or one opened with its matching atlas
    // file): extraction may cut at them. A page opened without one had elements before the list.
    bool framesCoverPage = false;
    bool cutsAtFrames() const { return framesCoverPage && !frames.empty(); }
    // The part of the page that holds elements the list does not name: the whole page as
    // opened when no atlas file covered it. Everything outside it and the frames is free area.
    QRect unlistedElements;
    // Why the atlas file beside the opened page was not taken (empty when it was, or when
    // there is none): the export names the frame instead of saying there is no list.
    QString atlasFault;
};

}  // namespace tessella::texture
