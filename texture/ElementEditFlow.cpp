#include "texture/ElementEditFlow.h"

#include <QFileInfo>

#include "imagefile/BmpWriter.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "texture/PageFiles.h"
#include "texture/SourcePanel.h"

namespace tessella::texture {

namespace {
const QString kBmpExtension = QStringLiteral(".bmp");
}

QString ElementEditFlow::editSource() {
    TexturePage& p = c_.page;
    if (p.sourcePicture.isNull()) return {};
    ElementRequest request;
    request.sourceFileName = p.sourceFileName;
    request.picture = p.sourcePicture.copy();
    request.newElementMode = false;
    request.showDrawingTools = true;
    const EditResult result = editor_.edit(request);
    if (result.modalResult != kEditorSaveResult) return {};
    const QFileInfo source(p.sourceFileName);
    const QString proposed =
        platform::JoinPath(source.path(), WithExtension(source.fileName(), kBmpExtension));
    const QString path = saveElement(result.picture, proposed);
    if (path.isEmpty()) return {};
    // The preview now shows the written file, so it is named after it.
    p.sourcePicture = result.picture;
    p.sourceFileName = path;
    c_.events.showSource(result.picture,
                         ClickPreviewBox(result.picture.width(), result.picture.height()), true);
    c_.events.setSourceSizeText(SizeText(result.picture.width(), result.picture.height()));
    c_.events.setSourceCaption(QFileInfo(path).fileName());
    return path;
}

QString ElementEditFlow::newElement(const NewElementSettings& settings) {
    ElementRequest request;
    request.sourceFileName = c_.page.sourceFileName;
    request.newElementMode = true;
    request.showDrawingTools = false;  // a new element shows the drawing tools by itself
    request.settings = settings;
    const EditResult result = editor_.edit(request);
    if (result.modalResult != kEditorSaveResult) return {};
    return saveElement(result.picture, c_.page.sourceFolder);
}

QString ElementEditFlow::saveElement(const QImage& picture, const QString& proposed) {
    if (!c_.prompts.confirm(kSaveElementQuestion)) return {};
    const auto name = c_.prompts.saveFileName(kSaveElementTitle, kElementFilter, proposed);
    if (!name) return {};
    const QString path = WithExtension(*name, kBmpExtension);
    platform::WriteFileAtomically(path, imagefile::WriteBmp24(picture));
    if (refreshSourceLists_) refreshSourceLists_();
    c_.events.refreshCatalogue();
    return path;
}

}  // namespace tessella::texture
