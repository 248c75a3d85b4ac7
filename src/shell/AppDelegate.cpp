#include "shell/AppDelegate.h"

#include "engine/CleanupRun.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/gui/MainBundle.h"
#include "platform/gui/Reporting.h"
#include "shell/CleanerWindowController.h"
#include "shell/FinishingCleanupNotice.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
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

AppDelegate::TerminateReply AppDelegate::applicationShouldTerminate() {
    CleanupRun& run = CleanupRun::shared();
    if (!run.isRunning())
        return TerminateReply::TerminateNow;
    if (finishing_) {
        // Asked again while finishing: the user does not want to wait.
        if (mainWindow_ && mainWindow_->finishingNotice())
            mainWindow_->finishingNotice()->stopNow();
        else
            run.cancel();
        return TerminateReply::TerminateLater;
    }
    finishing_ = true;
    run.stopAfterCurrentLocation();
    if (mainWindow_)
        mainWindow_->showFinishingCleanup();
    run.whenIdle(this, [this] {
        // Never from inside the close that is being refused.
        QTimer::singleShot(0, this, [this] {
            finishing_ = false;
            if (mainWindow_)
                mainWindow_->close();
            else if (terminate_)
                terminate_();
        });
    });
    return TerminateReply::TerminateLater;
}

void AppDelegate::attachMainWindow(CleanerWindowController* window) {
    mainWindow_ = window;
    QPointer<AppDelegate> self(this);
    window->setShouldClose(
        [self] { return !self || self->applicationShouldTerminate() == TerminateReply::TerminateNow; });
    connect(window, &CleanerWindowController::windowWillClose, this, [this] {
        applicationWillTerminate();
        if (applicationShouldTerminateAfterLastWindowClosed() && terminate_)
            terminate_();
    });
}

} // namespace dovrel
