#pragma once

#include "engine/CleanerItem.h"

#include <QMenu>

namespace dovrel {

class RevealNotice;
class SmartCleanViewController;

// The context menu of an entry row on the results screen ("cleanItemMenu"):
// "Show in File Manager", "Quick Look" and "Get Info" for the entry whose
// row was right-clicked, then "Always Keep" (or "Stop Keeping" for an entry
// kept here). Only file entries get it; category rows and browser
// or mail rows get none.
//
// It keeps its state on the screen it belongs to: the row it was opened for
// is the screen's `selectedRow`, the item Quick Look shows its `preview_url`,
// and the screen is the preview panel's data source. The screen owns the
// menu (as its Qt parent) and outlives it.
class CleanItemMenu : public QMenu {
    Q_OBJECT
public:
    explicit CleanItemMenu(SmartCleanViewController& screen);

    // `row` is the row under the click (invalid: none). Frames the row and
    // opens the menu at `globalPos` if the row has a menu; else forgets the
    // row an earlier menu was opened for.
    void rightMouseDown(const QModelIndex& row, const QPoint& globalPos);
    // Takes the frame off the row the menu was opened for.
    void menuDidClose();
    // The actions; each does nothing without an entry with a menu.
    // Showing in the file manager says so on the screen until the answer
    // comes, and says when nothing could show the entry.
    void show_item_in_finder();
    void quick_look_item();
    // The desktop's properties dialog, or the in-app information window
    // where the desktop has none.
    void get_item_info();
    // Into the keep list and out again (KeptEntries);
    // the notice says what happened.
    void always_keep_item();
    void stop_keeping_item();

    RevealNotice* revealNotice() const { return notice_; }

private:
    // The entry at the screen's selected row, if that row is an entry with a menu.
    const ResultEntry* menuEntry() const;

    SmartCleanViewController& screen_;
    RevealNotice* notice_;
    QAction* keep_;
    QAction* stopKeeping_;
};

} // namespace dovrel
