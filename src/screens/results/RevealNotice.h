#pragma once

#include "platform/gui/Workspace.h"

#include <QLabel>

namespace dovrel {

// A small notice at the bottom of the results screen while the file manager
// is asked to show an entry: "Opening the file manager…" until the answer
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

private:
    void present(const QString& text);

    quint64 generation_ = 0;
};

} // namespace dovrel
