#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace dovrel {

class CleanerWindowController;
class Defaults;
class Reporting;

// The application delegate: the start-up sequence, the end of the
// application when the main window closes, and the feedback action.
// One instance, reachable through shared() while it lives.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    AppDelegate(Reporting& reporting, QObject* parent = nullptr);
    ~AppDelegate() override;

    static AppDelegate* shared();

    // Start-up, in order: take the standard defaults; advance
    // "appLaunchCount"; synchronise; send one usage report when the store
    // receipt has a size above 0; start the issue reporter with reporting of
    // unhandled issues on (and show the report a crash of the last run left).
    void applicationDidFinishLaunching();
    bool applicationShouldTerminateAfterLastWindowClosed() const { return true; }

    enum class TerminateReply { TerminateNow, TerminateLater };
    // Asked before the application ends (the main window closing, Quit).
    // While no cleanup runs: now. While one runs: later. The cleanup is
    // asked to finish the location it is in and leave the rest, the window
    // says so, and once the cleanup has ended (what it freed is added to
    // "TotallyCleaned" by then) the window is closed and the application
    // ends. Asked again meanwhile, the cleanup stops at the next entry.
    TerminateReply applicationShouldTerminate();
    bool isFinishingCleanup() const { return finishing_; }
    void applicationWillTerminate() {}

    // Opens the feedback dialog (no parent, standard mode).
    void showFeedbackDialog(QObject* sender);

    // Quits when the main window closes (asking applicationShouldTerminate
    // first).
    void attachMainWindow(CleanerWindowController* window);
    // What quitting does (tests replace it); default: QCoreApplication::quit.
    void setTerminateHandler(std::function<void()> handler) { terminate_ = std::move(handler); }

    Defaults* app_settings = nullptr;
    // The popover on screen, kept alive while shown; replaced by the next.
    std::unique_ptr<QWidget, void (*)(QWidget*)> activePopover;
    // Where the browser-selection window is to appear, in screen coordinates.
    QPointF modalOrigin;

    // The crash report shown at this launch, if any.
    const std::optional<QString>& shownIssueReport() const { return shownIssueReport_; }

private:
    void showIssueReport(const QString& report);

    Reporting& reporting_;
    QPointer<CleanerWindowController> mainWindow_;
    bool finishing_ = false;
    std::function<void()> terminate_;
    std::optional<QString> shownIssueReport_;
};

} // namespace dovrel
