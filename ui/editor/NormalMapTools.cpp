#include "ui/editor/NormalMapTools.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <optional>

#include "editor/NormalMap.h"
#include "pixels/WorkingPicture.h"
#include "ui/editor/EditorOperations.h"
#include "ui/editor/EditorView.h"
#include "ui/editor/ElementEditor.h"
#include "ui/editor/LitPreview.h"
#include "ui/editor/NormalMapDialog.h"
#include "ui/editor/NormalMapTexts.h"
#include "ui/editor/TiledPreview.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::editor {

NormalMapTools::NormalMapTools(ElementEditor& editor, platform::Prompts& prompts,
                               EditorOperations& operations, pixels::WorkingPicture& work)
    : QObject(&editor),
      editor_(editor),
      operations_(operations),
      work_(work),
      dialog_(new NormalMapDialog(prompts, &editor)),
      litPreview_(new LitPreview(&editor)) {
    normalMapAction = new QAction(kNormalMapCaption, &editor);
    litPreviewAction = new QAction(kLitPreviewCaption, &editor);
    editor.engineMenu->insertAction(editor.colourKeyAction, normalMapAction);
    editor.engineMenu->insertSeparator(editor.colourKeyAction);
    editor.viewMenu->addAction(litPreviewAction);
    connect(normalMapAction, &QAction::triggered, this, &NormalMapTools::makeNormalMap);
    connect(litPreviewAction, &QAction::triggered, this, &NormalMapTools::showLitPreview);
    connect(dialog_, &NormalMapDialog::strengthChanged, litPreview_, &LitPreview::setStrength);
    connect(&editor, &ElementEditor::pictureShown, litPreview_, &LitPreview::showPicture);
    connect(&editor, &QDialog::finished, litPreview_, &QWidget::close);
}

void NormalMapTools::makeNormalMap() {
    if (work_.image().empty()) return;
    const std::optional<NormalMapSettings> settings = dialog_->ask(work_.image());
    if (!settings) return;
    operations_.run([&] { MakeNormalMap(work_.image(), work_.image(), *settings); });
}

void NormalMapTools::showLitPreview() {
    litPreview_->show();
    litPreview_->showPicture(editor_.picture());
    // Where the tiled preview goes, clear of it when it is up, and of the editor's buttons,
    // which end where the element's view begins.
    if (QScreen* screen = editor_.screen()) {
        std::optional<QRect> other;
        if (editor_.tiledPreview()->isVisible()) other = editor_.tiledPreview()->frameGeometry();
        const int controlsBottom =
            editor_.viewArea().view->parentWidget()->mapToGlobal(QPoint()).y();
        litPreview_->move(TiledPreview::Place(editor_.frameGeometry(),
                                              litPreview_->frameGeometry().size(),
                                              screen->availableGeometry(), other, controlsBottom) +
                          (litPreview_->pos() - litPreview_->frameGeometry().topLeft()));
    }
    litPreview_->raise();
}

}  // namespace tessella::editor
