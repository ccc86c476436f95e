#include "texture/PageFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "imagefile/BmpWriter.h"
#include "imagefile/GpuTexture.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/PngWriter.h"
#include "imagefile/TgaWriter.h"
#include "platform/CheckedMath.h"
#include "platform/Error.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "texture/AtlasData.h"
#include "texture/EngineAtlas.h"
#include "texture/PageCompaction.h"
#include "texture/PageTexts.h"
#include "texture/ReplaceMask.h"
#include "texture/SourcePanel.h"

namespace tessella::texture {

using platform::CheckedDiv;
using platform::CheckedMul;

namespace {
const QString kTgaExtension = QStringLiteral(".tga");
const QString kBmpExtension = QStringLiteral(".bmp");
const QString kPngExtension = QStringLiteral(".png");

// The hourglass for the time of a command, however it ends.
class BusyScope {
  public:
    explicit BusyScope(PageEvents& events) : events_(events) { events_.setBusy(true); }
    ~BusyScope() { events_.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    PageEvents& events_;
};

bool IsPagePath(const QString& path) {
    return imagefile::IsPngPath(path) ||
           QFileInfo(path).suffix().compare(QStringLiteral("tga"), Qt::CaseInsensitive) == 0;
}

qsizetype ExtensionStart(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? dot : path.size();
}
}  // namespace

QString WithExtension(const QString& path, const QString& extension) {
    return path.left(ExtensionStart(path)) + extension;
}

QString ElementFileName(const QString& destination, int number) {
    return WithExtension(destination, QString()) +
           QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')) +
           (imagefile::IsPngPath(destination) ? kPngExtension : kBmpExtension);
}

namespace {

// The colours of a picture with alpha, the alpha left out (never blended).
QImage ColoursOnly(const QImage& picture) {
    const QImage argb = picture.format() == QImage::Format_ARGB32
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* o = out.scanLine(y);
        for (int x = 0; x < argb.width(); ++x, o += 3) {
            o[0] = static_cast<uchar>(qBlue(in[x]));
            o[1] = static_cast<uchar>(qGreen(in[x]));
            o[2] = static_cast<uchar>(qRed(in[x]));
        }
    }
    out.setDotsPerMeterX(picture.dotsPerMeterX());
    out.setDotsPerMeterY(picture.dotsPerMeterY());
    return out;
}

}  // namespace

void WriteElementFile(const QString& path, const QImage& element) {
    if (imagefile::IsPngPath(path)) {
        platform::WriteFileAtomically(
            path, [&](platform::ByteSink& sink) { imagefile::WritePng24(element, sink); });
    } else {
        platform::WriteFileAtomically(
            path,
            imagefile::WriteBmp24(element.hasAlphaChannel() ? ColoursOnly(element) : element));
    }
}

bool PageFiles::confirmAbandonModified() {
    return !c_.page.modified || c_.prompts.confirmDiscard(kAbandonModifiedQuestion);
}

bool PageFiles::confirmReplaceFileRenamed(const QString& chosen, const QString& path) {
    // The save dialog has asked about the name it answered; a file under another extension
    // is asked about here.
    if (chosen == path || !QFileInfo::exists(path)) return true;
    return c_.prompts.confirmDiscard(kReplaceFileQuestion.arg(path));
}

QString PageFiles::dialogFolder() const {
    const TexturePage& p = c_.page;
    if (!p.textureFileName.isEmpty()) return QFileInfo(p.textureFileName).absolutePath();
    return p.sourceFolder;
}

std::optional<QString> PageFiles::askSaveName(const QString& caption, const QString& filter) {
    // A bare name opens the dialog in the page's folder (or the sources'), not wherever the
    // program was started.
    const QString proposed = QFileInfo(saveDialogName_).isRelative()
                                 ? platform::JoinPath(dialogFolder(), saveDialogName_)
                                 : saveDialogName_;
    const auto name = c_.prompts.saveFileName(caption, filter, proposed);
    if (name) saveDialogName_ = *name;
    return name;
}

bool PageFiles::newPage() {
    TexturePage& p = c_.page;
    if (!confirmAbandonModified()) return false;
    const int32_t maxWidth = widthQuestion_.askWidth();
    if (maxWidth <= 0) return false;  // the width question was cancelled
    p.maxPageWidth = maxWidth;
    const auto name = askSaveName(kNewPageTitle, kTextureFilter);
    if (!name) return false;
    // White, then a magenta rectangle outlined in white whose right and bottom coordinates
    // are excluded: a white line on top and left, a two-pixel white band right and bottom.
    PageBitmap bitmap = PageBitmap::filled(p.importWidth, p.importHeight, platform::kWhite);
    bitmap.fillRect(1, 1, p.importWidth - 3, p.importHeight - 3, platform::kMagenta);
    p.textureFileName = WithExtension(*name, kTgaExtension);
    p.pageBitmap = std::move(bitmap);
    p.frames.clear();
    p.framesCoverPage = true;
    p.unlistedElements = QRect();
    c_.events.showPage(p.pageBitmap.image(), true);
    p.insertX = p.insertY = 0;
    p.pageWidth = p.importWidth;
    p.pageHeight = p.importHeight;
    p.rowStartX = 0;
    p.tallestElement = 0;
    p.firstRowOpen = true;
    p.widthMayGrow = true;
    c_.events.showSourcePanel();
    c_.events.setStatusPanel(kPanelFileName, QFileInfo(p.textureFileName).fileName());
    ShowElementCount(c_);
    c_.events.setEnabled(PageCommand::Save, true);
    c_.events.setEnabled(PageCommand::SaveAs, true);
    c_.events.setEnabled(PageCommand::PrintPage, true);
    p.pageOpen = true;
    // A page just made has nothing to lose: "new" and "open" ask no question about it.
    p.modified = false;
    return true;
}

bool PageFiles::openPage() {
    TexturePage& p = c_.page;
    if (!confirmAbandonModified()) return false;
    const auto name =
        c_.prompts.openFileName(kOpenPageTitle, kPictureOpenFilter,
                                p.textureFileName.isEmpty() ? p.sourceFolder : p.textureFileName);
    if (!name) return false;
    return openChosenPage(*name);
}

bool PageFiles::openPageFile(const QString& path) {
    if (!confirmAbandonModified()) return false;
    return openChosenPage(path);
}

bool PageFiles::openChosenPage(const QString& chosen) {
    TexturePage& p = c_.page;
    const QString* const name = &chosen;  // read as the dialog's answer was
    // TGA and BMP pages go from the file straight into the page's rows; other pictures are
    // decoded first.
    std::optional<PageBitmap> direct = PageBitmap::readFile(*name);
    if (!direct) {
        QImage picture;
        if (!imagefile::LoadImageByExtension(*name, picture)) return false;
        direct = PageBitmap::fromPicture(picture);
    }
    PageBitmap bitmap = std::move(*direct);
    // Only a page that loaded takes the new name: a later save must not write the old page
    // over the file that failed.
    p.textureFileName = *name;
    p.sourceFileName = *name;
    p.pageBitmap = std::move(bitmap);
    const bool atlasMatches = readAtlasBeside(*name);
    p.unlistedElements =
        p.framesCoverPage ? QRect() : QRect(0, 0, p.pageBitmap.width(), p.pageBitmap.height());
    c_.events.showPage(p.pageBitmap.image(), true);
    const int32_t w = p.pageBitmap.width(), h = p.pageBitmap.height();
    p.pageWidth = w;
    p.pageHeight = h;
    c_.events.showSourcePanel();
    if (h > w && w < 512 &&
        c_.prompts.message(platform::MessageKind::Warning, kFillRightQuestion, platform::kYesNo) ==
            platform::Answer::Yes) {
        p.maxPageWidth = 512;
        p.rowStartX = p.insertX = w;
        p.insertY = 0;
        p.tallestElement = 0;
        p.firstRowOpen = true;
        p.widthMayGrow = true;
    } else {
        if (h > w && w < 512) p.maxPageWidth = w;
        p.insertX = 0;
        p.insertY = h;
        p.firstRowOpen = false;
        p.widthMayGrow = false;
    }
    if (mask_) mask_->pageOpened();
    c_.events.setStatusPanel(kPanelFileName, QFileInfo(*name).fileName());
    c_.events.setStatusPanel(kPanelPageSize, QStringLiteral(" %1x%2").arg(w).arg(h));
    ShowElementCount(c_);
    c_.events.setEnabled(PageCommand::SaveAs, true);
    c_.events.setEnabled(PageCommand::Extract, true);
    c_.events.setEnabled(PageCommand::Save, true);
    c_.events.setEnabled(PageCommand::PrintPage, true);
    p.pageOpen = true;
    p.modified = false;  // nothing done to the page yet
    if (!atlasMatches)
        c_.prompts.warning(kAtlasMismatchWarning.arg(AtlasPathFor(*name)) + QStringLiteral("\n\r") +
                           kAtlasMismatchReason.arg(p.atlasFault));
    return true;
}

bool PageFiles::readAtlasBeside(const QString& pagePath) {
    TexturePage& p = c_.page;
    p.frames.clear();
    p.framesCoverPage = false;
    p.atlasFault.clear();
    const QString atlas = AtlasPathFor(pagePath);
    // A page without its atlas file opens as it always has, with no element list.
    if (!QFileInfo::exists(atlas)) return true;
    std::optional<std::vector<AtlasFrame>> frames;
    try {
        frames = ParseAtlasJson(platform::ReadWholeFile(atlas, kMaxAtlasFileBytes),
                                QSize(p.pageBitmap.width(), p.pageBitmap.height()), &p.atlasFault);
    } catch (const platform::TessellaError& e) {
        // Unreadable is one more way not to match: the same single message.
        p.atlasFault = e.message();
    }
    if (!frames) return false;
    p.frames = std::move(*frames);
    p.framesCoverPage = true;
    return true;
}

void PageFiles::writeAtlasBeside(const QString& pagePath) {
    const TexturePage& p = c_.page;
    // A page with alpha says so, in the words the atlas readers know; an opaque one's data
    // stays as it was.
    QJsonObject format;
    if (p.pageBitmap.hasAlpha())
        format.insert(QStringLiteral("format"), QStringLiteral("RGBA8888"));
    platform::WriteFileAtomically(
        AtlasPathFor(pagePath),
        AtlasJson(p.frames, QFileInfo(pagePath).fileName(),
                  QSize(p.pageBitmap.width(), p.pageBitmap.height()), format));
}

void PageFiles::savePageAsTga(const QString& path) {
    TexturePage& p = c_.page;
    if (!p.pageOwned()) return;
    const int32_t w = p.pageBitmap.width(), h = p.pageBitmap.height();
    if (w > kMaxTgaSide || h > kMaxTgaSide)
        throw platform::TessellaError(kPageTooLargeForTga.arg(w).arg(h));
    // A page whose transparency has all gone is written as an opaque one.
    const bool transparent = p.pageBitmap.settleAlpha();
    platform::WriteFileAtomically(path, transparent
                                            ? imagefile::WriteTga(p.pageBitmap.image())
                                            : imagefile::WritePageTga(p.pageBitmap.image()));
    writeAtlasBeside(path);
    p.modified = false;
}

void PageFiles::savePageAsPng(const QString& path) {
    TexturePage& p = c_.page;
    if (!p.pageOwned()) return;
    p.pageBitmap.settleAlpha();
    const QImage page = p.pageBitmap.image();
    platform::WriteFileAtomically(
        path, [&](platform::ByteSink& sink) { imagefile::WritePng24(page, sink); });
    writeAtlasBeside(path);
    p.modified = false;
}

void PageFiles::savePageFile(const QString& path) {
    if (imagefile::IsPngPath(path))
        savePageAsPng(path);
    else
        savePageAsTga(path);
}

bool PageFiles::save() {
    TexturePage& p = c_.page;
    if (!p.pageOwned()) return false;
    // A page opened from another format keeps its pixels in a TGA of the same name rather
    // than TGA bytes under a .bmp (or other) name; a PNG page stays a PNG.
    if (!IsPagePath(p.textureFileName))
        return askSaveAs(WithExtension(p.textureFileName, kTgaExtension), true);
    savePageFile(p.textureFileName);
    return true;
}

bool PageFiles::saveAs() {
    if (!c_.page.pageOwned()) return false;
    return askSaveAs(saveDialogName_, false);
}

bool PageFiles::askSaveAs(const QString& proposed, bool renamePage) {
    saveDialogName_ = proposed;
    const auto name = askSaveName(kSaveAsTitle, kTextureSaveFilter);
    if (!name) return false;
    // The extension chosen decides: .png writes a PNG, anything else a TGA.
    const QString path = imagefile::IsPngPath(*name) ? *name : WithExtension(*name, kTgaExtension);
    if (!confirmReplaceFileRenamed(*name, path)) return false;
    savePageFile(path);
    c_.events.setStatusPanel(kPanelFileName, QFileInfo(path).fileName());
    if (renamePage) c_.page.textureFileName = path;
    return true;
}

bool PageFiles::extract() {
    TexturePage& p = c_.page;
    if (!p.pageOwned()) return false;
    if (p.cutsAtFrames()) {
        const platform::Answer choice = c_.prompts.message(
            platform::MessageKind::Confirmation, kExtractChoiceQuestion, platform::kYesNoCancel);
        if (choice == platform::Answer::Yes) return extractNamed();
        if (choice != platform::Answer::No) return false;
    }
    return extractNumbered();
}

bool PageFiles::extractNumbered() {
    const QFileInfo page(c_.page.textureFileName);
    saveDialogName_ = platform::JoinPath(page.path(), WithExtension(page.fileName(), QString()));
    const auto name = askSaveName(kExtractTitle, kBitmapFilter);
    if (!name) return false;
    const QString destination = WithExtension(*name, kBmpExtension);
    if (!confirmReplaceFileRenamed(*name, destination)) return false;
    {
        const BusyScope busy(c_.events);
        extractElements(destination);
    }
    c_.events.refreshCatalogue();
    return true;
}

bool PageFiles::extractNamed() {
    const TexturePage& p = c_.page;
    const auto folder = c_.prompts.chooseFolder(kExtractNamesTitle, dialogFolder());
    if (!folder) return false;
    int existing = 0;
    for (const AtlasFrame& f : p.frames)
        if (const auto file = ElementPathForName(*folder, f.name); file && QFileInfo::exists(*file))
            ++existing;
    if (existing > 0 && !c_.prompts.confirmDiscard(kExtractNamesReplace.arg(existing)))
        return false;
    NamedExtraction done;
    {
        const BusyScope busy(c_.events);
        done = extractByNames(*folder);
    }
    c_.events.refreshCatalogue();
    if (!done.refused.isEmpty())
        c_.prompts.warning(kExtractNamesRefused.arg(done.refused.join(QStringLiteral("\n\r"))));
    return true;
}

int PageFiles::extractElements(const QString& destination, int pauseMs) {
    const TexturePage& p = c_.page;
    const auto file = [&](int i) { return ElementFileName(destination, i + 1); };
    if (p.cutsAtFrames()) {
        // Row by row, as the grid is numbered: a page packed on the grid gives the same files.
        std::vector<QRect> rects;
        for (const AtlasFrame& f : p.frames) rects.push_back(f.rect);
        std::stable_sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
            return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
        });
        return writeElements(
            static_cast<int>(rects.size()), [&](int i) { return rects[i]; }, file, pauseMs);
    }
    const int32_t w = p.importWidth, h = p.importHeight;
    const int32_t columns = CheckedDiv(p.pageWidth, w);
    const int32_t rows = CheckedDiv(p.pageHeight, h);
    return writeElements(
        CheckedMul(columns, rows),
        [&](int i) { return QRect((i % columns) * w, (i / columns) * h, w, h); }, file, pauseMs);
}

NamedExtraction PageFiles::extractByNames(const QString& folder, int pauseMs) {
    const TexturePage& p = c_.page;
    if (p.frames.empty())
        throw platform::TessellaError(kNoNamedElements.arg(AtlasPathFor(p.textureFileName)));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir() || !QFileInfo(folder).isWritable())
        throw platform::TessellaError(kFolderNotWritable.arg(folder));
    NamedExtraction done;
    QStringList taken;
    const auto file = [&](int i) {
        const QString& name = p.frames[i].name;
        std::optional<QString> path = ElementPathForName(folder, name);
        if (!path) {
            done.refused << name;
            return QString();
        }
        // Two names of one stem (brique.png, brique.bmp), from a list written before pack
        // kept stems apart: the second takes a number, as pack now names it.
        const QString stem = WithExtension(*path, QString());
        for (int n = 2; taken.contains(*path); ++n)
            path = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(kPngExtension);
        taken << *path;
        return *path;
    };
    done.written = writeElements(
        static_cast<int>(p.frames.size()), [&](int i) { return p.frames[i].rect; }, file, pauseMs);
    return done;
}

int PageFiles::writeElements(int count, const std::function<QRect(int)>& rectAt,
                             const std::function<QString(int)>& fileAt, int pauseMs) {
    const TexturePage& p = c_.page;
    c_.events.setProgressMaximum(count);
    c_.events.setStoppable(true);
    int written = 0;
    try {
        // Each element lands whole under its name; the disk is synced once for them all.
        platform::SyncedBatch batch;
        for (int i = 0; i < count && !c_.events.stopRequested(); ++i) {
            c_.events.setProgress(i);
            const QString file = fileAt(i);
            if (file.isEmpty()) continue;
            const QRect r = rectAt(i);
            const QImage element = p.pageBitmap.copy(r.x(), r.y(), r.width(), r.height());
            c_.pacer.processEvents();
            // The preview follows the run; the previewed source stays what "Ajouter" places.
            c_.events.setSourceSizeText(SizeText(r.width(), r.height()));
            c_.events.showSource(element, ClickPreviewBox(r.width(), r.height()), true);
            WriteElementFile(file, element);
            ++written;
            if (pauseMs > 0) c_.pacer.wait(pauseMs);
        }
        batch.finish();
    } catch (...) {
        endExtraction();
        throw;
    }
    endExtraction();
    return written;
}

bool PageFiles::exportForEngine(EngineSettingsQuestion& question) {
    const TexturePage& p = c_.page;
    if (!p.pageOwned() || exportRunning_) return false;
    if (p.frames.empty() && !p.atlasFault.isEmpty())
        throw platform::TessellaError(
            kEngineAtlasDataRefused.arg(AtlasPathFor(p.textureFileName), p.atlasFault));
    if (p.frames.empty()) throw platform::TessellaError(kEngineNoFrames);
    const std::optional<EngineAtlasSettings> settings = question.askEngineSettings();
    if (!settings) return false;
    const QFileInfo page(p.textureFileName);
    const QString proposed = platform::JoinPath(
        page.path(), WithExtension(page.fileName(), QString()) + QStringLiteral("-atlas.png"));
    const auto name = c_.prompts.saveFileName(kEngineExportTitle, kEngineAtlasFilter, proposed);
    if (!name) return false;
    // A DDS or KTX2 name keeps its extension; anything else is a PNG.
    const QString path =
        imagefile::IsGpuTexturePath(*name) ? *name : WithExtension(*name, kPngExtension);
    if (!confirmReplaceFileRenamed(*name, path)) return false;
    EngineLayout layout;
    {
        const BusyScope busy(c_.events);
        // The worker has its own copy of the page: the window stays free to change it meanwhile.
        const PageBitmap bitmap = p.pageBitmap;
        const std::vector<AtlasFrame> frames = p.frames;
        const QString pagePath = p.textureFileName;
        runOffWindowThread([&](const EngineProgress& progress) {
            layout = WriteEngineAtlas(bitmap, frames, *settings, path, pagePath, progress);
        });
    }
    if (layout.sheets.empty()) return false;  // stopped: nothing was written
    QStringList lines;
    for (const QString& file : EngineFilesWritten(layout, *settings, path))
        lines << kEngineFileWritten.arg(QFileInfo(file).fileName()).arg(QFileInfo(file).size());
    c_.prompts.information(
        kEngineExportDone.arg(QFileInfo(path).absolutePath(), lines.join(QStringLiteral("\n\r"))));
    return true;
}

void PageFiles::runOffWindowThread(const std::function<void(const EngineProgress&)>& work) {
    // The window's thread keeps painting and answering "Arrêter" while the worker runs: it
    // shows the worker's progress and hands it the stop, both through atomics.
    std::atomic<int> done{0}, total{0};
    std::atomic<bool> stop{false}, finished{false};
    std::exception_ptr failure;
    const EngineProgress progress = [&](int stepsDone, int steps) {
        total = steps;
        done = stepsDone;
        return !stop;
    };
    exportRunning_ = true;
    c_.events.setProgress(0);
    c_.events.setStoppable(true);
    std::thread worker([&] {
        try {
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });
    // Whatever happens here, the worker is stopped and waited for before its data goes, and
    // the window leaves its run.
    struct Joined {
        std::thread& worker;
        std::atomic<bool>& stop;
        PageEvents& events;
        bool& running;
        ~Joined() {
            stop = true;
            worker.join();
            running = false;
            events.setStoppable(false);
            events.setProgress(0);
        }
    };
    {
        const Joined joined{worker, stop, c_.events, exportRunning_};
        constexpr int kPollMs = 15;
        int shownTotal = 0;
        while (!finished) {
            c_.pacer.wait(kPollMs);
            c_.pacer.processEvents();
            if (c_.events.stopRequested()) stop = true;
            if (const int steps = total; steps != shownTotal) {
                shownTotal = steps;
                c_.events.setProgressMaximum(steps);
            }
            c_.events.setProgress(done);
        }
    }
    if (failure) std::rethrow_exception(failure);
}

void PageFiles::endExtraction() {
    // The preview, its size and its caption speak of the previewed source again.
    const TexturePage& p = c_.page;
    c_.events.setStoppable(false);
    c_.events.setProgress(0);
    const QImage& source = p.sourcePicture;
    c_.events.showSource(source, ClickPreviewBox(source.width(), source.height()), true);
    c_.events.setSourceSizeText(source.isNull() ? QString()
                                                : SizeText(source.width(), source.height()));
}

bool PageFiles::compactPage() {
    TexturePage& p = c_.page;
    if (!p.pageOwned()) return false;
    if (p.frames.empty()) throw platform::TessellaError(kCompactNoFrames);
    if (!p.framesCoverPage) throw platform::TessellaError(kCompactFramesIncomplete);
    // The list may name only some elements (one saved by a page opened without its list).
    if (const std::optional<QPoint> stray = TexelOutsideFrames(p.pageBitmap, p.frames))
        throw platform::TessellaError(kCompactUnlistedPixels.arg(stray->x()).arg(stray->y()));
    if (c_.prompts.message(platform::MessageKind::Confirmation,
                           kCompactQuestion.arg(p.frames.size()).arg(p.pageBitmap.width()),
                           platform::kYesNo) != platform::Answer::Yes)
        return false;
    std::optional<CompactedPage> compacted;
    {
        const BusyScope busy(c_.events);
        compacted = CompactPage(p.pageBitmap, p.frames);
    }
    if (!compacted) {
        c_.prompts.information(kCompactAlreadyTight);
        return false;
    }
    p.pageBitmap = std::move(compacted->bitmap);
    p.frames = std::move(compacted->frames);
    p.unlistedElements = QRect();  // the frames name every element now
    p.pageWidth = p.pageBitmap.width();
    p.pageHeight = p.pageBitmap.height();
    // Later additions start a row under the packed elements, as on an opened page.
    p.insertX = 0;
    p.insertY = p.pageHeight;
    p.firstRowOpen = false;
    p.widthMayGrow = false;
    p.modified = true;
    c_.events.showPage(p.pageBitmap.image(), true);
    if (mask_) mask_->pageOpened();
    c_.events.setStatusPanel(kPanelPageSize, SizeText(p.pageWidth, p.pageHeight));
    ShowElementCount(c_);
    c_.events.setEnabled(PageCommand::Save, true);
    return true;
}

}  // namespace tessella::texture
