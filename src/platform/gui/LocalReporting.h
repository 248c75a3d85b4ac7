#pragma once

#include "platform/gui/Reporting.h"

#include <filesystem>

namespace dovrel {

// Reporting kept in files under one folder (by default "reports" in the
// application's configuration folder):
//
//   usage.log           one line per tracking report: time, version
//   crash-report.txt    written by the crash handlers; moved away when taken
//   crash-YYYYMMDD-hhmmss.txt   a taken crash report, kept for reference
//   feedback-YYYYMMDD-hhmmss.txt   what the user wrote in the feedback dialog
//
// The crash handlers (fatal signals and std::terminate) are process-wide;
// the last reporter set up owns them. The signal handler only uses
// async-signal-safe calls: it writes a fixed text into a path prepared in
// advance and then lets the signal take its default course.
class LocalReporting : public Reporting {
public:
    LocalReporting();
    explicit LocalReporting(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path usageLog() const { return folder_ / "usage.log"; }
    std::filesystem::path crashReport() const { return folder_ / "crash-report.txt"; }

    void sendTrackingReport() override;
    void setupIssuesController(bool reportingUnhandledIssues) override;
    std::optional<QString> takePendingIssueReport() override;
    void showFeedbackDialog(QWidget* parent, int mode) override;

    // Stores one feedback text; returns the file written, or absent.
    std::optional<std::filesystem::path> saveFeedback(const QString& text);

    // Number of tracking reports sent by this object (tests, diagnostics).
    int trackingReportsSent() const { return trackingReports_; }
    bool issuesControllerStarted() const { return issuesStarted_; }

private:
    bool ensureFolder() const;

    std::filesystem::path folder_;
    int trackingReports_ = 0;
    bool issuesStarted_ = false;
};

} // namespace dovrel
