#include "texture/ElementEditFlow.h"

#include <QFileInfo>

#include "imagefile/PngWriter.h"
#include "platform/Error.h"
#include "platform/ProgramFolder.h"
#include "texture/PageBitmap.h"
#include "texture/PageFiles.h"
#include "texture/SourcePanel.h"

namespace tessella::texture {

namespace {
const QString kBmpExtension = QStringLiteral(".bmp");
const QString kPngExtension = QStringLiteral(".png");
}  // namespace

QString ElementEditFlow::editSource() {
    TexturePage& p = c_.page;
    if (p.sourcePicture.isNull()) return {};
    ElementRequest request;
    request.sourceFileName = p.sourceFileName;
    request.picture = p.sourcePicture.copy();
    request.newElementMode = false;
    request.showDrawingTools = true;
    // A BMP would lose a sprite's transparency: one is offered as a PNG.
    const QFileInfo source(p.sourceFileName);
    const QString proposed = platform::JoinPath(
        source.path(),
        WithExtension(source.fileName(),
                      HasTransparency(p.sourcePicture) ? kPngExtension : kBmpExtension));
    QImage written;
    const QString path = editAndSave(request, proposed, written);
    if (path.isEmpty()) return {};
    // The preview now shows the written file, so it is named after it.
    p.sourcePicture = written;
    p.sourceFileName = path;
    c_.events.showSource(written, ClickPreviewBox(written.width(), written.height()), true);
    c_.events.setSourceSizeText(SizeText(written.width(), written.height()));
    c_.events.setSourceCaption(QFileInfo(path).fileName());
    return path;
}

QString ElementEditFlow::newElement(const NewElementSettings& settings) {
    ElementRequest request;
    // A new element has no file of its own: nothing to reload.
    request.newElementMode = true;
    request.showDrawingTools = false;  // a new element shows the drawing tools by itself
    request.settings = settings;
    QImage written;
    return editAndSave(request, c_.page.sourceFolder, written);
}

ElementEditFlow::Choice ElementEditFlow::askToSave(const EditResult& result) {
    if (result.result == EditorResult::SaveConfirmed) return Choice::Save;
    if (c_.prompts.confirm(kSaveElementQuestion)) return Choice::Save;
    if (!result.modified) return Choice::Discard;
    switch (c_.prompts.message(platform::MessageKind::Confirmation, kUnsavedElementQuestion,
                               kUnsavedElementButtons)) {
        case platform::Answer::Yes:
            return Choice::Save;
        case platform::Answer::No:
            return Choice::Discard;
        default:
            return Choice::BackToEditor;
    }
}

QString ElementEditFlow::editAndSave(const ElementRequest& request, const QString& proposed,
                                     QImage& written) {
    EditResult result = editor_.edit(request);
    while (result.result != EditorResult::Closed) {
        const Choice choice = askToSave(result);
        if (choice == Choice::Discard) return {};
        if (choice == Choice::Save) {
            const QString path = writeElement(result.picture, proposed);
            if (!path.isEmpty()) {
                written = result.picture;
                return path;
            }
        }
        // Cancelled or failed: the edit is still in the editor, to be saved elsewhere.
        result = editor_.resume();
    }
    return {};
}

QString ElementEditFlow::writeElement(const QImage& picture, const QString& proposed) {
    const auto name = c_.prompts.saveFileName(kSaveElementTitle, kElementFilter, proposed);
    if (!name) return {};
    const bool png = imagefile::IsPngPath(*name);
    const QString path = png ? *name : WithExtension(*name, kBmpExtension);
    try {
        WriteElementFile(path, picture);
    } catch (const platform::TessellaError& error) {
        c_.prompts.error(error.message());
        return {};
    }
    if (refreshSourceLists_) refreshSourceLists_();
    c_.events.refreshCatalogue();
    return path;
}

}  // namespace tessella::texture
