// dovrel-cleaner: the desktop application. Wires the services, the screens
// and the main window together; everything else lives in the libraries.

#include "controls/Animator.h"
#include "engine/CleanupRun.h"
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
#include "shell/ScreenFactory.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
    return status;
}
