// The width question and the new element dialog, headless.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "tests/support/ScriptedPrompts.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/texture/PageWidthDialog.h"

using namespace tessella::texture;
using tessella::editor::NewElementDialog;
using tessella::platform::ColourValue;

namespace tessella::testing {
namespace {

TEST(ConfirmeLargeur, RemembersTheRadioAndOnlyFermerAnswersTheWidth) {
    PageWidthDialog dialog;
    EXPECT_TRUE(dialog.width256Radio->isChecked());
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.width512Radio->click();
        dialog.closeButton->click();
    });
    EXPECT_EQ(dialog.askWidth(), 512);  // shown modally
    // The close box (and Escape) cancel: no width.
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
    EXPECT_EQ(dialog.askWidth(), 0);
    EXPECT_EQ(dialog.chosenWidth, 512);  // the radio as the user left it
    dialog.open();
    dialog.width256Radio->click();
    dialog.reject();  // closed without the button
    EXPECT_EQ(dialog.chosenWidth, 256);
}

class Nouveau : public ::testing::Test {
  protected:
    NewElementSettings settings;
    ScriptedPrompts prompts;
    NewElementDialog dialog{settings, prompts};
};

TEST_F(Nouveau, TheSizeListSetsBothSidesAndTheNextShowKeepsThem) {
    emit dialog.presetCombo->activated(4);
    EXPECT_EQ(settings.elementWidth, 128);
    EXPECT_EQ(settings.elementHeight, 128);
    EXPECT_EQ(dialog.widthSpin->value(), 128);
    EXPECT_EQ(dialog.heightSpin->value(), 128);
    dialog.widthSpin->stepUp();  // no wrap past 128
    EXPECT_EQ(settings.elementWidth, 128);
    dialog.heightSpin->stepDown();
    EXPECT_EQ(settings.elementHeight, 120);
    dialog.open();
    dialog.reject();
    dialog.open();
    EXPECT_EQ(dialog.widthSpin->value(), 128);
    EXPECT_EQ(dialog.heightSpin->value(), 120);
    dialog.reject();
    dialog.open();
    dialog.okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(Nouveau, ColoursComeFromTheListOrFromAutre) {
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
    EXPECT_EQ(dialog.colourSwatch->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
    prompts.expectColour(std::nullopt);  // cancelled: nothing changes
    dialog.otherColourButton->click();
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x123456));
}

}  // namespace
}  // namespace tessella::testing
