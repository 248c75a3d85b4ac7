#include "shell/AppDelegate.h"

#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/gui/MainBundle.h"
#include "platform/gui/Reporting.h"
#include "shell/CleanerWindowController.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

namespace dovrel {

namespace {

AppDelegate* g_shared = nullptr;

void deleteLaterWidget(QWidget* widget) {
    if (widget)
        widget->deleteLater();
}

} // namespace

AppDelegate::AppDelegate(Reporting& reporting, QObject* parent)
    : QObject(parent), activePopover(nullptr, &deleteLaterWidget), reporting_(reporting),
      terminate_([] { QCoreApplication::quit(); }) {
    g_shared = this;
}

AppDelegate::~AppDelegate() {
    if (g_shared == this)
        g_shared = nullptr;
}

AppDelegate* AppDelegate::shared() {
    return g_shared;
}

void AppDelegate::applicationDidFinishLaunching() {
    app_settings = &Defaults::standard();

    const QString launchCount = QStringLiteral("appLaunchCount");
    app_settings->setInteger(launchCount, app_settings->integerForKey(launchCount) + 1);
    app_settings->synchronize();

    if (MainBundle::fileSize(MainBundle::appStoreReceiptURL()) > 0)
        reporting_.sendTrackingReport();

    reporting_.setupIssuesController(true);
    if (std::optional<QString> report = reporting_.takePendingIssueReport())
        showIssueReport(*report);
}

void AppDelegate::showIssueReport(const QString& report) {
    shownIssueReport_ = report;
    // After start-up, once the main window is on screen.
    Dispatch::main_async([report] {
        auto* box = new QMessageBox(
            QMessageBox::Information,
            QCoreApplication::translate("dovrel::AppDelegate", "Dovrel Cleaner quit unexpectedly"),
            QCoreApplication::translate("dovrel::AppDelegate",
                                        "Dovrel Cleaner stopped unexpectedly the last "
                                        "time it ran. A report was saved on this computer."),
            QMessageBox::Ok);
        box->setDetailedText(report);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void AppDelegate::showFeedbackDialog(QObject* sender) {
    Q_UNUSED(sender);
    reporting_.showFeedbackDialog(nullptr, 0);
}

void AppDelegate::attachMainWindow(CleanerWindowController* window) {
    connect(window, &CleanerWindowController::windowWillClose, this, [this] {
        applicationWillTerminate();
        if (applicationShouldTerminateAfterLastWindowClosed() && terminate_)
            terminate_();
    });
}

} // namespace dovrel
