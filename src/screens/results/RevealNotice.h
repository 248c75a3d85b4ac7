#pragma once

#include "layout/SkippedPlace.h"
#include "platform/gui/Workspace.h"

#include <QLabel>

#include <chrono>
#include <vector>

namespace dovrel {

// A small notice at the bottom of the results screen. It tells what the scan
// left out on purpose (showSkipped), and, while the file manager is asked to
// show an entry, "Opening the file manager…" until the answer
// comes, then gone when something showed the entry, or a sentence saying
// that nothing could, which stays a few seconds. Screen readers hear each
// change. It never takes the focus or blocks the screen.
class RevealNotice : public QLabel {
    Q_OBJECT
public:
    explicit RevealNotice(QWidget* screen);

    void showOpening();
    // `name` names what was to be shown.
    void showOutcome(Workspace::Revealed outcome, const QString& name);
    // The first place the scan skipped and why, with how many more; shown
    // a while, then gone. Nothing when the list is empty.
    void showSkipped(const std::vector<SkippedPlace>& places);
    static QString skippedText(const std::vector<SkippedPlace>& places);
    // Any one sentence, shown a few seconds.
    void showNote(const QString& text);

private:
    void present(const QString& text);
    void hideAfter(std::chrono::seconds shown);

    quint64 generation_ = 0;
};

} // namespace dovrel
