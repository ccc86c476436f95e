// The shared main of every test binary: a QApplication on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>

#include "platform/ImageLimits.h"
#include "ui/widgets/AccessibleLabels.h"

int main(int argc, char** argv) {
    // Test discovery and CI run the binary without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // French texts and numbers whatever the machine's locale, for the tests and the programs
    // they start; settings in a scratch folder, never the user's. A test that starts this
    // binary again under another locale sets TESSELLA_TEST_OWN_LOCALE to keep it.
    if (qEnvironmentVariableIsEmpty("TESSELLA_TEST_OWN_LOCALE")) {
        qputenv("LANG", "fr_FR.UTF-8");
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "TESSELLA_LANG"})
            qunsetenv(name);
    }
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Labels read their values to screen readers, and pictures get the program's limits, as
    // in the program.
    tessella::widgets::InstallAccessibleLabels();
    tessella::platform::ApplyImageAllocationLimit();
    return RUN_ALL_TESTS();
}
