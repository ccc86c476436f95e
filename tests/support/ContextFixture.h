#pragma once
// The program's context for a window test: its program folder is a fresh temporary folder,
// its prompts and pacer the test's own (scripted prompts and an instant pacer by default).
// A main window made here gets a recording printer and a fake element editor.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/CountingPacer.h"
#include "tests/support/FakeElementEditor.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedPrompts.h"
#include "ui/app/AppContext.h"

namespace tessella::testing {

template <class PromptsKind, class PacerKind = CountingPacer>
class ContextFixture : public ::testing::Test {
  protected:
    ContextFixture() { EXPECT_TRUE(folder.isValid()); }
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    PromptsKind prompts;
    PacerKind pacer;
    texture::TexturePage page;
    app::AppContext context{prompts, pacer, platform::ProgramFolder(folder.path()), page};
    // The printer and the element editor a main window of the test is wired to.
    RecordingPrinter printer;
    FakeElementEditor elementEditor;
};
using AppFixture = ContextFixture<ScriptedPrompts>;

}  // namespace tessella::testing
