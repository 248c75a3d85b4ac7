#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace dovrel {

// The outside reporting services: a usage report, an issue reporter for
// unhandled crashes and a feedback dialog. Implementations keep everything on
// this machine; nothing is sent over a network.
class Reporting {
public:
    virtual ~Reporting() = default;

    // One usage-tracking report, without report data and without delegate.
    virtual void sendTrackingReport() = 0;

    // Starts the issue reporter. With reportingUnhandledIssues on, a crash of
    // this process leaves a report that the next launch can show.
    virtual void setupIssuesController(bool reportingUnhandledIssues) = 0;

    // The report a crash of an earlier run left, taken once (later calls give
    // absent until the next crash).
    virtual std::optional<QString> takePendingIssueReport() = 0;

    // Opens the feedback dialog; `parent` may be null, `mode` is the dialog's
    // style (0: the standard one).
    virtual void showFeedbackDialog(QWidget* parent, int mode) = 0;
};

} // namespace dovrel
