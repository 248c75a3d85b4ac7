// dovrel-cleaner: the desktop application. Wires the services, the screens
// and the main window together; everything else lives in the libraries.

#include "controls/Animator.h"
#include "engine/Cleaner.h"
#include "engine/CleanupRun.h"
#include "platform/Defaults.h"
#include "platform/Translations.h"
#include "platform/gui/FileDialogFolderPicker.h"
#include "platform/gui/LocalReporting.h"
#include "scheduler/SchedulerSwitch.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "shell/AppDelegate.h"
#include "shell/AppIcon.h"
#include "shell/AppStyle.h"
#include "shell/CleanerWindowController.h"
#include "shell/LaunchOptions.h"
#include "shell/ScreenFactory.h"

#include "platform/Defaults.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    QApplication app(argc, argv); // takes Qt's own options out of argv
    std::string optionError;
    const auto options = dovrel::LaunchOptions::parse(argc, argv, optionError);
    if (!options) {
        std::fprintf(stderr, "dovrel-cleaner: %s\n", optionError.c_str());
        return 2;
    }
    // A settings file set aside as damaged is said once, over the window when there is one.
    dovrel::Defaults::setSetAsideHandler([&app](const std::filesystem::path& aside) {
        const QString path = QString::fromLocal8Bit(aside.native().c_str());
        QMetaObject::invokeMethod(
            &app,
            [path] {
                auto* box = new QMessageBox(
                    QMessageBox::Warning, QCoreApplication::translate("dovrel::main", "Settings Set Aside"),
                    QCoreApplication::translate("dovrel::main",
                                                "A settings file could not be used as it was. It was kept "
                                                "as %1, and what could not be read starts afresh.")
                        .arg(path),
                    QMessageBox::Ok, QApplication::activeWindow());
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->open();
            },
            Qt::QueuedConnection);
    });
    if (options->systemRoot)
        dovrel::Cleaner::sharedCleaner()->useSystemRoot(*options->systemRoot);
    QApplication::setApplicationName(QStringLiteral("Dovrel Cleaner"));
    QApplication::setOrganizationDomain(QStringLiteral("halvik.com"));
    QApplication::setApplicationVersion(QStringLiteral(DOVREL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("dovrel-cleaner"));
    QApplication::setWindowIcon(dovrel::AppIcon::icon());
    const dovrel::Translations translations;
    dovrel::AppStyle::apply(app);
    // Reduced motion on the desktop: transitions jump, nothing moves endlessly.
    dovrel::Animator::followDesktop();

    dovrel::LocalReporting reporting;
    dovrel::FileDialogFolderPicker folderPicker;
    dovrel::SchedulerSwitch schedulerSwitch;
    dovrel::ScreenServices services;
    services.folderPicker = &folderPicker;
    services.schedulerSwitch = &schedulerSwitch;
    dovrel::ScreenCatalogue::registerAll(dovrel::ScreenFactory::shared(), services);

    dovrel::AppDelegate delegate(reporting);
    app.setQuitOnLastWindowClosed(delegate.applicationShouldTerminateAfterLastWindowClosed());
    delegate.applicationDidFinishLaunching();

    dovrel::CleanerWindowController window(dovrel::ScreenFactory::shared());
    delegate.attachMainWindow(&window);
    window.windowDidLoad();
    window.show();
    const int status = app.exec();
    // Ended some other way than through the window (which waits for a
    // running cleanup itself): let the cleanup finish the location it is in
    // and store its total before the process goes.
    dovrel::CleanupRun::shared().stopAfterCurrentLocation();
    dovrel::CleanupRun::shared().waitUntilIdle();
    delegate.applicationWillTerminate();
    dovrel::Defaults::setSetAsideHandler({});
    return status;
}
