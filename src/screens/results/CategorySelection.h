#pragma once

#include "engine/CleanerItem.h"
#include "engine/SelectionSize.h"
#include "engine/SmartOutlineItem.h"
#include "fs/Types.h"
#include "screens/results/SelectionSlot.h"

#include <QString>

#include <memory>
#include <vector>

namespace dovrel {

class SmartCleanViewController;

// The selection bookkeeping of the results screen: for every category its
// three lists (selection, full, empty; see SmartCleanViewController), the
// size its row shows as entries are ticked, and the selected total. It
// changes only lists and sizes; the screen redraws its rows and shows the
// total.
//
// It works on the lists and rows of the screen it belongs to, which outlives
// it.
class CategorySelection {
public:
    explicit CategorySelection(SmartCleanViewController& screen) : screen_(screen) {}

    // The lists of category c (0..6).
    SelectionList& selection(int c) const { return *lists(c).selection; }
    const SelectionList& full(int c) const { return *lists(c).full; }
    const SelectionList& empty(int c) const { return *lists(c).empty; }
    // The engine's total of category c (totalCacheSize, ...).
    ByteCount categoryTotal(int c) const;
    bool isEntrySelected(int c, int position) const;

    // Category c lists `entries`, all selected.
    void load(int c, SelectionList entries);
    // Every list empty: nothing shown, nothing handed over.
    void clear();

    // The whole category ticked on or off: its row shows the category total.
    void tickCategory(int c, bool on);
    // Entry `position` of category c ticked on or off: its slot and the
    // category's size follow. `position` must be in range.
    void tickEntry(int c, const ResultEntry& entry, int position, bool on);
    // The category whose row is `smartItem`, or -1.
    int categoryOf(const std::shared_ptr<SmartOutlineItem>& smartItem) const;
    // What the categories with anything selected free, each byte once.
    ByteCount selectedTotal() const;
    // Whether the selection of the category tagged `tag` holds `entry` (an
    // entry whose slot holds it); an unknown tag holds nothing.
    bool holds(const QString& tag, const ResultEntry& entry) const;

private:
    struct Lists {
        SelectionList* selection;
        SelectionList* full;
        SelectionList* empty;
    };
    Lists lists(int c) const;
    std::vector<const ResultEntry*> selectedEntries(int c) const;
    const SelectionSize::Sizes& sizes() const;

    SmartCleanViewController& screen_;
};

} // namespace dovrel
