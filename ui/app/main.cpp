// Tessella: start-up.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include "platform/ImageLimits.h"
#include "platform/Language.h"
#include "platform/Pacer.h"
#include "platform/ProgramFolder.h"
#include "texture/TexturePage.h"
#include "ui/app/AppContext.h"
#include "ui/app/MainWindow.h"
#include "ui/app/Startup.h"
#include "ui/widgets/AccessibleLabels.h"
#include "ui/widgets/QtPrompts.h"
#include "ui/widgets/Resources.h"

int main(int argc, char** argv) {
    using namespace tessella;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessella"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tessella"));
    // Before any window: the standard dialogs (files, colours, printing) speak the same language.
    platform::UseLanguage(platform::ProgramLanguage(), true);
    widgets::EnsureResources();
    widgets::InstallAccessibleLabels();
    // Pictures up to the program's own limits, not Qt's smaller default.
    platform::ApplyImageAllocationLimit();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tessella.png")));

    widgets::QtPrompts prompts;
    platform::EventLoopPacer pacer;
    texture::TexturePage page;
    // A file given (as a file manager's "open with" does): the source panel starts in its
    // folder, and the file opens as the page once the windows are up.
    const QStringList arguments = QApplication::arguments();
    const QFileInfo given(arguments.size() > 1 ? arguments.at(1) : QString());
    page.sourceFolder = platform::FolderWithSlash(given.exists() ? given.absoluteDir().path()
                                                                 : QStringLiteral("C:\\"));
    app::AppContext context{prompts, pacer, platform::ProgramFolder(), page};

    app::Startup startup(context);
    startup.run();
    prompts.setParent(startup.mainWindow());
    if (given.isFile()) startup.mainWindow()->openPageFile(given.absoluteFilePath());
    QObject::connect(startup.mainWindow(), &app::MainWindow::closed, &application,
                     &QApplication::quit, Qt::QueuedConnection);
    return application.exec();
}
