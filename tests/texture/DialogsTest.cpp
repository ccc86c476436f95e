// The width question and the new element dialog, headless.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "tests/support/ScriptedPrompts.h"
#include "texture/TFicheConfirmeLargeur.h"
#include "texture/TFicheNouveau.h"

using namespace tessella::texture;
using tessella::platform::ColourValue;

namespace tessella::testing {
namespace {

TEST(ConfirmeLargeur, RemembersTheRadioAndAnswersTheWidthHoweverItCloses) {
    TFicheConfirmeLargeur dialog;
    EXPECT_TRUE(dialog.RadioButton256->isChecked());
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.RadioButton512->click();
        dialog.BtFermer->click();
    });
    EXPECT_EQ(dialog.askWidth(), 512);  // shown modally
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
    EXPECT_EQ(dialog.askWidth(), 512);  // as the user left it
    dialog.open();
    dialog.RadioButton256->click();
    dialog.reject();  // closed without the button
    EXPECT_EQ(dialog.ChosenWidth, 256);
}

class Nouveau : public ::testing::Test {
  protected:
    NewElementSettings settings;
    ScriptedPrompts prompts;
    TFicheNouveau dialog{settings, prompts};
};

TEST_F(Nouveau, TheSizeListSetsBothSidesAndTheNextShowKeepsThem) {
    emit dialog.ComboBox1->activated(4);
    EXPECT_EQ(settings.elementWidth, 128);
    EXPECT_EQ(settings.elementHeight, 128);
    EXPECT_EQ(dialog.UpDown1->value(), 128);
    EXPECT_EQ(dialog.UpDown2->value(), 128);
    dialog.UpDown1->stepUp();  // no wrap past 128
    EXPECT_EQ(settings.elementWidth, 128);
    dialog.UpDown2->stepDown();
    EXPECT_EQ(settings.elementHeight, 120);
    dialog.open();
    dialog.reject();
    dialog.open();
    EXPECT_EQ(dialog.UpDown1->value(), 128);
    EXPECT_EQ(dialog.UpDown2->value(), 120);
    dialog.reject();
    dialog.open();
    dialog.BtOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(Nouveau, ColoursComeFromTheListOrFromAutre) {
    const auto& colours = TFicheNouveau::Colours();
    const auto red = std::find_if(colours.begin(), colours.end(),
                                  [](const auto& c) { return c.first == QStringLiteral("Rouge"); });
    ASSERT_NE(red, colours.end());
    emit dialog.ColorBox1->activated(static_cast<int>(red - colours.begin()));
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x0000FF));
    EXPECT_EQ(dialog.Label4->palette().color(QPalette::Window), QColor(255, 0, 0));
    prompts.expectColour(ColourValue(0x123456));
    dialog.BtAutre->click();
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x123456));
    EXPECT_EQ(dialog.Label4->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
    prompts.expectColour(std::nullopt);  // cancelled: nothing changes
    dialog.BtAutre->click();
    EXPECT_EQ(settings.backgroundColour, ColourValue(0x123456));
}

}  // namespace
}  // namespace tessella::testing
