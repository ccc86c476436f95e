// The width question and the new element dialog, headless.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "tests/support/ScriptedPrompts.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/texture/PageWidthDialog.h"

using namespace tessella::texture;
using tessella::editor::NewElementDialog;
using tessella::platform::ColourValue;

namespace tessella::testing {
namespace {

TEST(ConfirmeLargeur, OnlyFermerAnswersTheWidth) {
    PageWidthDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.width512Radio->click();
        dialog.closeButton->click();
    });
    EXPECT_EQ(dialog.askWidth(), 512);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });  // the close box cancels
    EXPECT_EQ(dialog.askWidth(), 0);
}

// Colours are kept as 0xBBGGRR: red from the list is 0x0000FF.
TEST(Nouveau, ColoursComeFromTheListOrFromAutre) {
    NewElementSettings settings;
    ScriptedPrompts prompts;
    NewElementDialog dialog{settings, prompts};
    const auto& colours = NewElementDialog::Colours();
    const auto red = std::find_if(colours.begin(), colours.end(),
                                  [](const auto& c) { return c.first == QStringLiteral("Rouge"); });
    ASSERT_NE(red, colours.end());
    emit dialog.colourCombo->activated(static_cast<int>(red - colours.begin()));
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x0000FF));
    EXPECT_EQ(dialog.colourSwatch->palette().color(QPalette::Window), QColor(255, 0, 0));
    prompts.expectColour(ColourValue(0x123456));
    dialog.otherColourButton->click();
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x123456));
    prompts.expectColour(std::nullopt);  // cancelled: nothing changes
    dialog.otherColourButton->click();
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x123456));
}

}  // namespace
}  // namespace tessella::testing
