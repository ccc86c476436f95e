// The element editor on an 8-megapixel element (4000 x 2001, the size the program warns
// about), the real window shown on the offscreen platform: a zoom step, a scroll step and a
// repaint of the view, each followed by the view's repaint (target: a frame, 16 ms); each
// operation of the panel through the editor's own plumbing, undo copy, store and view included
// (target: 100 ms; blur and resize 200 ms). The Core rows time the pixel work alone, so the
// difference is what the window adds.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <functional>
#include <memory>

#include "bench/QuietPrompts.h"
#include "bench/editor/PatternedElement.h"
#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "editor/Resize.h"
#include "editor/Seamless.h"
#include "pixels/Blur.h"
#include "pixels/ColourAdjustment.h"
#include "pixels/WorkingPicture.h"
#include "platform/Pacer.h"
#include "texture/TexturePage.h"
#include "ui/app/AppContext.h"
#include "ui/editor/DrawingTools.h"
#include "ui/editor/EditorOperations.h"
#include "ui/editor/EditorView.h"
#include "ui/editor/ElementEditor.h"
#include "ui/editor/TiledPreview.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StepArrows.h"

namespace {

using tessella::editor::EditorOperations;
using tessella::editor::ElementEditor;
using tessella::pixels::WorkingPicture;

constexpr int kWidth = 4000;
constexpr int kHeight = 2001;

// The editor window shown on a 4000 x 2001 element, as the program shows it.
struct ShownEditor {
    tessella::bench::QuietPrompts prompts;
    tessella::platform::EventLoopPacer pacer;
    tessella::texture::TexturePage page;
    tessella::app::AppContext context{prompts, pacer, tessella::platform::ProgramFolder(), page};
    std::unique_ptr<ElementEditor> editor;
    QImage frame;

    ShownEditor() {
        editor = std::make_unique<ElementEditor>(context.editorServices());
        tessella::texture::ElementRequest request;
        request.picture = tessella::bench::PatternedElement(kWidth, kHeight);
        editor->begin(request);
        editor->show();
        settle();
    }
    ~ShownEditor() { editor->hide(); }
    // The pending events run and the view is painted, as the next frame would paint it.
    void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        paint();
    }
    void paint() {
        QWidget* viewport = editor->viewArea().scrollArea->viewport();
        if (frame.size() != viewport->size())
            frame = QImage(viewport->size(), QImage::Format_RGB32);
        viewport->render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    EditorOperations& ops() { return editor->operations(); }
};

void ZoomStep(benchmark::State& state) {
    ShownEditor shown;
    shown.editor->viewArea().setZoom(static_cast<int>(state.range(0)));
    shown.settle();
    auto* arrows = shown.editor->viewArea().zoomArrows;
    bool up = true;
    for (auto _ : state) {
        arrows->click(up ? tessella::widgets::StepArrows::Button::Next
                         : tessella::widgets::StepArrows::Button::Prev);
        shown.settle();
        up = !up;
    }
}

void ScrollStep(benchmark::State& state) {
    ShownEditor shown;
    shown.editor->viewArea().setZoom(static_cast<int>(state.range(0)));
    shown.settle();
    QScrollBar* bar = shown.editor->viewArea().scrollArea->horizontalScrollBar();
    int step = 40;
    for (auto _ : state) {
        if (bar->value() + step > bar->maximum() || bar->value() + step < 0) step = -step;
        bar->setValue(bar->value() + step);
        shown.settle();
    }
}

void Repaint(benchmark::State& state) {
    ShownEditor shown;
    shown.editor->viewArea().setZoom(static_cast<int>(state.range(0)));
    shown.settle();
    for (auto _ : state) shown.paint();
    state.counters["viewport_px"] = shown.frame.width() * shown.frame.height();
}

// One operation of the editor in its common pattern, then the view painted.
void EditorRow(benchmark::State& state, const std::function<void(ShownEditor&)>& operation) {
    ShownEditor shown;
    for (auto _ : state) {
        operation(shown);
        shown.settle();
    }
}

// Operations timed through the editor's plumbing, each in its common pattern.
const struct {
    const char* name;
    void (*run)(ShownEditor&);
} kEditorRows[] = {
    {"RotateInEditor", [](ShownEditor& e) { e.ops().rotateLeft(); }},
    {"MirrorInEditor", [](ShownEditor& e) { e.ops().mirror(); }},
    {"GreyInEditor", [](ShownEditor& e) { e.ops().makeGrey(); }},
    {"NegativeInEditor", [](ShownEditor& e) { e.ops().makeNegative(); }},
    {"SharpenInEditor", [](ShownEditor& e) { e.ops().sharpen(); }},
    {"OffsetHalfInEditor", [](ShownEditor& e) { e.ops().offsetHalf(); }},
    {"BlurStepInEditor",
     [](ShownEditor& e) { e.ops().applyBlurStep(tessella::pixels::BlurVariant::Whole); }},
    {"FlipInEditor", [](ShownEditor& e) { e.ops().flip(); }},
    {"SoftenInEditor", [](ShownEditor& e) { e.ops().soften(); }},
    {"SwapChannelsInEditor",
     [](ShownEditor& e) {
         e.ops().run([&] {
             tessella::editor::ApplyChannelOperation(
                 e.context.workingPicture, tessella::editor::ChannelOperation::SwapRedBlue);
         });
     }},
    {"FuseInEditor",
     [](ShownEditor& e) {
         e.ops().run([&] {
             tessella::editor::FuseChannels(e.context.workingPicture,
                                            tessella::editor::ChannelPair::RedGreen);
         });
     }},
    {"VeilInEditor",
     [](ShownEditor& e) {
         e.ops().run([&] {
             tessella::editor::AddVeil(e.context.workingPicture,
                                       tessella::platform::ColourValue(0x00102030));
         });
     }},
    {"MakeTileableInEditor",
     [](ShownEditor& e) {
         e.ops().run([&] { tessella::editor::MakeTileable(e.context.workingPicture, 20); });
     }},
};

// Four faces from 8 megapixels make 32; the element is put back, untimed, for the next one.
void SymmetryInEditor(benchmark::State& state) {
    ShownEditor shown;
    for (auto _ : state) {
        shown.ops().makeFourFaceSymmetry();
        shown.settle();
        state.PauseTiming();
        shown.ops().undo();
        shown.settle();
        state.ResumeTiming();
    }
}
// The colour window's three operations with its settings moved off their neutral values.
void ColourAdjustmentInEditor(benchmark::State& state) {
    const auto adjustment = static_cast<tessella::pixels::ColourAdjustment>(state.range(0));
    tessella::pixels::ColourAdjustSettings settings;
    settings.redPercent = 120;
    settings.bluePercent = 80;
    settings.contrastAmount = 40;
    EditorRow(state, [&](ShownEditor& e) {
        e.ops().run([&] {
            tessella::pixels::PixelGrid& picture = e.context.workingPicture.image();
            ApplyColourAdjustment(adjustment, settings, QImage(), picture, picture, picture.width(),
                                  picture.height());
        });
    });
}
// With the tiled preview open beside the editor, at its zoom 2: it follows every change.
void NegativeWithPreviewInEditor(benchmark::State& state) {
    ShownEditor shown;
    shown.editor->showTiledPreview();
    shown.editor->tiledPreview()->zoomSpin->setValue(2);
    shown.settle();
    for (auto _ : state) {
        shown.ops().makeNegative();
        shown.settle();
        shown.editor->tiledPreview()->repaint();
    }
}
// One step of a pencil stroke (the mouse moved with the button held), the preview open: the
// pixel painted into the shown picture and the view painted.
void PencilStepInEditor(benchmark::State& state) {
    ShownEditor shown;
    shown.editor->showTiledPreview();
    shown.editor->drawingTools()->toolButtons[int(tessella::drawing::DrawingTool::Pencil)]->click();
    QWidget* view = shown.editor->viewArea().view;
    const auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QMouseEvent event(type, at, view->mapToGlobal(at), button, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    shown.settle();
    int x = 10;
    for (auto _ : state) {
        x = x < 400 ? x + 1 : 10;
        send(QEvent::MouseMove, {x, 10}, Qt::NoButton);
        shown.settle();
    }
}
// Undo and redo in turn, so that there is always a step to take.
void UndoRedoInEditor(benchmark::State& state) {
    ShownEditor shown;
    shown.ops().makeNegative();
    shown.settle();
    bool back = true;
    for (auto _ : state) {
        if (back)
            shown.ops().undo();
        else
            shown.ops().redo();
        shown.settle();
        back = !back;
    }
}
// To the warned-about size from half of it and back, as "Redimensionner" does.
void ResizeInEditor(benchmark::State& state) {
    ShownEditor shown;
    bool up = false;
    for (auto _ : state) {
        const int w = up ? kWidth : kWidth / 2, h = up ? kHeight : kHeight / 2;
        shown.ops().run(
            [&] { tessella::editor::ResizeNearest(shown.context.workingPicture, w, h); });
        shown.settle();
        up = !up;
    }
}

// The pixel work alone on the working picture.
void CoreRow(benchmark::State& state, const std::function<void(WorkingPicture&)>& operation) {
    WorkingPicture work;
    QImage element = tessella::bench::PatternedElement(kWidth, kHeight);
    work.load(element);
    for (auto _ : state) {
        operation(work);
        benchmark::ClobberMemory();
    }
}

// The pixel work alone.
const struct {
    const char* name;
    void (*run)(WorkingPicture&);
} kCoreRows[] = {
    {"CoreRotate",
     [](WorkingPicture& w) { RotateQuarter(w, tessella::editor::Turn::CounterClockwise); }},
    {"CoreSharpen",
     [](WorkingPicture& w) { SharpenSoften(w, tessella::editor::Sharpness::Sharpen); }},
    {"CoreBlur", [](WorkingPicture& w) { Blur(w.image(), tessella::pixels::BlurVariant::Whole); }},
    {"CoreUndoCopy",
     [](WorkingPicture& w) {
         w.saveUndo();
         w.discardUndo();
     }},
};

[[maybe_unused]] const bool kRowsRegistered = [] {
    for (const auto& row : kEditorRows)
        benchmark::RegisterBenchmark(row.name,
                                     [run = row.run](benchmark::State& s) { EditorRow(s, run); })
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
    for (const auto& row : kCoreRows)
        benchmark::RegisterBenchmark(row.name,
                                     [run = row.run](benchmark::State& s) { CoreRow(s, run); })
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
    return true;
}();

void CoreResizeUp(benchmark::State& state) {
    WorkingPicture work;
    QImage half = tessella::bench::PatternedElement(kWidth / 2, kHeight / 2);
    for (auto _ : state) {
        state.PauseTiming();
        work.load(half);
        state.ResumeTiming();
        tessella::editor::ResizeNearest(work, kWidth, kHeight);
    }
}

BENCHMARK(ZoomStep)->Arg(1)->Arg(8)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollStep)->Arg(1)->Arg(4)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Repaint)->Arg(1)->Arg(4)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SymmetryInEditor)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
// Rgb, Contrast, Emboss.
BENCHMARK(ColourAdjustmentInEditor)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(NegativeWithPreviewInEditor)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PencilStepInEditor)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(UndoRedoInEditor)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ResizeInEditor)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(CoreResizeUp)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace
