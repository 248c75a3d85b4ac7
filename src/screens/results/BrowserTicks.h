#pragma once

#include "engine/CleanerItem.h"

namespace dovrel {

class SmartCleanViewController;

// The ticks of the results screen's browsers category. Which browser sources
// are selected is the browser choice of the scan (BrowserChoice), shared with
// the browser-selection window: the screen's `browsers` list is built from it
// on load and again on "browsers_selection_changed", and a tick in this
// category changes the choice and rebuilds the list from it. A browser that
// was not found stays unticked.
//
// It works on the lists, rows and total of the screen it belongs to, which
// outlives it.
class BrowserTicks {
public:
    explicit BrowserTicks(SmartCleanViewController& screen) : screen_(screen) {}

    // The category's check box: chooses (`on`) or drops every browser the
    // category lists, then shows the choice.
    void tickAll(bool on);
    // The check box of one source entry: chooses or drops its browser, then
    // shows the choice.
    void tick(const ResultEntry& entry, bool on);
    // A source's slot holds it exactly while its browser is chosen. Rebuilds
    // the list, the category's size and rows, and the total.
    void showBrowserChoice();

private:
    // Chooses or drops the browser a source entry stands for (no stored key
    // is written); anything else changes nothing.
    void chooseBrowser(const ResultEntry& entry, bool on);

    SmartCleanViewController& screen_;
};

} // namespace dovrel
