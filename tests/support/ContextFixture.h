#pragma once
// The program's context for a window test: its program folder is a fresh temporary folder,
// its prompts and pacer the test's own (scripted prompts and an instant pacer by default).

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/AppContext.h"
#include "tests/support/CountingPacer.h"
#include "tests/support/ScriptedPrompts.h"

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
};
using AppFixture = ContextFixture<ScriptedPrompts>;

}  // namespace tessella::testing
