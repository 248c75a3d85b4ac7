#pragma once

#include "engine/CleanerItem.h"

#include <QModelIndex>
#include <QString>

#include <set>
#include <string>

namespace dovrel {

class CategorySelection;
class SmartCleanViewController;

// What the user chose to keep on the results screen ("Always Keep"): the
// locations go into the engine's keep list, the entry is unticked and stays
// so while the screen shows (a whole-category tick leaves it out, the
// hand-over drops it), and "Stop Keeping" takes them out again. Works on the
// lists and rows of the screen it belongs to, which outlives it.
class KeptEntries {
public:
    KeptEntries(SmartCleanViewController& screen, CategorySelection& selection)
        : screen_(screen), selection_(selection) {}

    // False, with `error`, when the keep list could not be changed (or
    // there is none).
    bool keep(const QModelIndex& entryRow, QString& error);
    bool stopKeeping(const QModelIndex& entryRow, QString& error);
    // Whether the entry was kept on this screen.
    bool holds(const ResultEntry& entry) const;
    // What the scan held back in category c plus what was kept here since.
    int count(int c) const;
    // Unticks the entries of category c kept on this screen.
    void untickIn(int c);

private:
    SmartCleanViewController& screen_;
    CategorySelection& selection_;
    std::set<std::string> kept_; // path bytes of every location kept here
};

} // namespace dovrel
