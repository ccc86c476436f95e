#pragma once
// The "Fichier" commands of the page: new, open, save, save as, and extraction into elements.

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

#include "texture/EngineAtlas.h"
#include "texture/PageContext.h"
#include "texture/PageTexts.h"
#include "texture/WidthQuestion.h"

namespace tessella::texture {

class ReplaceMask;
class EngineSettingsQuestion;

// What an extraction by names wrote, and the names it refused (leaving the folder, or a file
// another element had taken).
struct NamedExtraction {
    int written = 0;
    QStringList refused;
};

// path with the extension (the part of its file name from the last dot) replaced by extension,
// or extension appended when there is none. extension includes its dot.
QString WithExtension(const QString& path, const QString& extension);

// The file of element number (from 1): the destination without its extension, the number
// padded with '0' to at least 3 digits, and ".png" for a .png destination, else ".bmp"
// (mur.bmp, 1 -> mur001.bmp).
QString ElementFileName(const QString& destination, int number);

// Writes element as a PNG when path ends in .png, else as a 24-bit BMP. The PNG is RGBA when
// the element has transparency, 24-bit otherwise; the BMP keeps the colours and leaves the
// alpha out.
void WriteElementFile(const QString& path, const QImage& element);

// The widest and highest page a TGA header can hold.
inline constexpr int32_t kMaxTgaSide = 65535;

class PageFiles {
  public:
    // mask, when given, has the ranges of its position controls set by "open".
    PageFiles(PageContext context, WidthQuestion& widthQuestion, ReplaceMask* mask = nullptr)
        : c_(context), widthQuestion_(widthQuestion), mask_(mask) {}

    // newPage. True when a new page was made; it starts unmodified.
    bool newPage();
    // openPage. True when a page was opened, unmodified. Names change only once the file is
    // loaded. The atlas file beside the page brings its element list back; one that does not
    // match the page is told about once, and left as it is until the page is saved.
    bool openPage();
    // The same for a file already chosen (the one the program was started with): no dialog.
    bool openPageFile(const QString& path);
    // savePage. A page whose file is neither a TGA nor a PNG is saved as a TGA through "save
    // as". Every save writes the atlas file beside the page.
    bool save();
    // savePageAs. True when the page was written.
    bool saveAs();
    // extractElements. True when elements were written. A page whose element list covers it
    // first asks whether its elements go to files named after them, in a folder, or numbered.
    bool extract();
    // "Exporter pour moteur de jeu…": the settings, then the atlas file (.png, .dds, .ktx2), then
    // WriteEngineAtlas on a worker thread, the progress bar following it and "Arrêter" stopping
    // it with no file written. True when the atlas was written; false at once while an export
    // runs.
    bool exportForEngine(EngineSettingsQuestion& question);
    // "Compacter la texture": the page's elements placed again by the rectangle packer within
    // the page's width, the page as short as it can be. True when the page changed.
    bool compactPage();

    // Writes the page as a 24-bit TGA to path (32-bit, alpha in the attribute bits, when the
    // page has transparency), replacing any file there only once the new one is complete, then
    // the atlas file beside it (AtlasPathFor), and clears Modified. Throws, with Modified and
    // any old file untouched, when the page is larger than a TGA can hold or a file cannot be
    // written.
    void savePageAsTga(const QString& path);
    // The same as a 24-bit PNG (RGBA with transparency).
    void savePageAsPng(const QString& path);
    // A PNG when path ends in .png, else a TGA.
    void savePageFile(const QString& path);

    // Cuts the page by the import size into element BMP files named after destination, row by
    // row; partial elements at the right and bottom edges are left out. When the element list
    // covers the page (cutsAtFrames), it cuts at the frames instead, numbered row by row. Answers
    // the count. Between elements pending events run and the pacer waits pauseMs. "Arrêter" ends
    // the run after the element in hand: the files written stay whole. The preview shows the
    // previewed source again at the end.
    int extractElements(const QString& destination, int pauseMs = 200);
    // Each frame of the element list as folder/<name>.png (ElementPathForName), created when
    // missing, with the same progress, pause and stop. Throws before the first file when the
    // folder cannot take the files, or when the page has no element list.
    NamedExtraction extractByNames(const QString& folder, int pauseMs = 200);

  private:
    // Runs work on a worker thread while this one lets window events run through the pacer,
    // shows work's progress and passes "Arrêter" on to it; rethrows what work threw.
    void runOffWindowThread(const std::function<void(const EngineProgress&)>& work);
    bool confirmAbandonModified();
    // openPage once its file is chosen.
    bool openChosenPage(const QString& chosen);
    // Reads the atlas file beside the page into its element list. False, the list empty,
    // when the file is there but does not match the page; without one the list is empty.
    bool readAtlasBeside(const QString& pagePath);
    void writeAtlasBeside(const QString& pagePath);
    void endExtraction();
    // The run shared by both extractions: element i of count is rectAt(i) on the page, written
    // to fileAt(i) unless that is empty. Answers the elements written.
    int writeElements(int count, const std::function<QRect(int)>& rectAt,
                      const std::function<QString(int)>& fileAt, int pauseMs);
    bool extractNumbered();
    bool extractNamed();
    // Where the file dialogs open: the page's folder, else the sources' folder.
    QString dialogFolder() const;
    bool askSaveAs(const QString& proposed, bool renamePage);
    // Asks before path, which the dialog answered as chosen, replaces a file.
    bool confirmReplaceFileRenamed(const QString& chosen, const QString& path);
    std::optional<QString> askSaveName(const QString& caption, const QString& filter);

    PageContext c_;
    WidthQuestion& widthQuestion_;
    ReplaceMask* mask_;
    QString saveDialogName_ = kUntitledName;  // the save dialog keeps its name
    bool exportRunning_ = false;
};

}  // namespace tessella::texture
