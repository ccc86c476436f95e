#pragma once
// The element editor on a scripted context, and the steps a person takes in it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "tests/support/CountingPacer.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScriptedPrompts.h"
#include "ui/app/AppContext.h"
#include "ui/editor/EditorOperations.h"
#include "ui/editor/EditorView.h"
#include "ui/editor/ElementEditor.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/editor/ZoneTool.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::testing {

// w x h, every pixel different: red x * 3, green y * 5, blue x + y.
inline QImage Ramp(int w, int h) {
    QImage picture(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixelColor(x, y, QColor((x * 3) % 256, (y * 5) % 256, (x + y) % 256));
    return picture;
}

// What the core operation makes of picture.
inline QImage CoreResult(QImage picture, const std::function<void(pixels::WorkingPicture&)>& op) {
    pixels::WorkingPicture work;
    work.load(picture);
    op(work);
    work.store(picture);
    return picture;
}

class EditorWindow : public ::testing::Test {
  protected:
    // On clipboard when given, else on the system's.
    explicit EditorWindow(platform::Clipboard* clipboard = nullptr) {
        if (clipboard) context.clipboard = clipboard;
        editor = std::make_unique<editor::ElementEditor>(context.editorServices());
        newElementDialog = editor->newElementDialog();
    }

    void open(const QImage& picture, const QString& path = QString()) {
        texture::ElementRequest request;
        request.picture = picture;
        request.sourceFileName = path;
        request.showDrawingTools = true;
        editor->begin(request);
    }
    void openNew(int w, int h, platform::ColourValue background) {
        texture::ElementRequest request;
        request.newElementMode = true;
        request.settings = {w, h, background};
        editor->begin(request);
    }
    // Runs step once the next modal window has started; onEachShowing, once the editor shows.
    static void whenModal(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }
    void onEachShowing(std::initializer_list<std::function<void()>> steps) {
        showings_ = std::make_unique<ShowingSteps>(steps);
        editor->installEventFilter(showings_.get());
    }

    // The mouse on the element's view; a drag holds the left button.
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        pointer(QEvent::MouseButtonPress, at, button, button);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        pointer(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    void move(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
        pointer(QEvent::MouseMove, at, Qt::NoButton, held);
    }
    void drag(QPoint from, std::initializer_list<QPoint> moves, QPoint to) {
        press(from);
        for (QPoint at : moves) move(at, Qt::LeftButton);
        release(to);
    }
    void pointer(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, editor->viewArea().view->mapToGlobal(at), button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(editor->viewArea().view, &event);
    }
    void setZoom(int zoom) {
        while (editor->zoom() < zoom)
            editor->viewArea().zoomArrows->click(widgets::StepArrows::Button::Next);
        while (editor->zoom() > zoom)
            editor->viewArea().zoomArrows->click(widgets::StepArrows::Button::Prev);
    }

    ScriptedPrompts prompts;
    CountingPacer pacer;
    texture::TexturePage page;
    app::AppContext context{prompts, pacer, platform::ProgramFolder(), page};
    editor::NewElementDialog* newElementDialog;
    std::unique_ptr<editor::ElementEditor> editor;

  private:
    class ShowingSteps final : public QObject {
      public:
        explicit ShowingSteps(std::initializer_list<std::function<void()>> steps) : steps_(steps) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Show && !steps_.empty()) {
                QTimer::singleShot(0, steps_.front());
                steps_.pop_front();
            }
            return false;
        }

      private:
        std::deque<std::function<void()>> steps_;
    };
    std::unique_ptr<ShowingSteps> showings_;
};

}  // namespace tessella::testing
