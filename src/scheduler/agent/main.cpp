// dovrel-cleaner-scheduler: the login-item agent that reminds the user to
// clean up. It lives in dovrel-cleaner.app/Contents/Library/LoginItems and is
// started at login through the autostart entry the application writes.

#include "platform/Defaults.h"
#include "platform/Translations.h"
#include "scheduler/BundleLayout.h"
#include "scheduler/agent/AppDelegate.h"
#include "scheduler/agent/DesktopNotifications.h"
#include "scheduler/agent/SystemClock.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QTimer>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dovrel-cleaner-scheduler"));
    const dovrel::Translations translations;

    dovrel::agent::SystemClock clock;
    dovrel::agent::DesktopNotifications center([] { return QDBusConnection::sessionBus(); });
    const std::filesystem::path bundle =
        dovrel::BundleLayout::bundleOfExecutable(dovrel::BundleLayout::currentExecutable());
    dovrel::agent::AppDelegate delegate(dovrel::Defaults::sharedSuite(), clock, center, bundle);

    QObject::connect(&delegate, &dovrel::agent::AppDelegate::terminate, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QTimer::singleShot(0, &delegate, &dovrel::agent::AppDelegate::applicationDidFinishLaunching);
    return app.exec();
}
