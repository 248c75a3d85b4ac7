#include "screens/results/CategorySelection.h"

#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/SelectionSize.h"
#include "screens/results/SmartCleanViewController.h"

#include <algorithm>
#include <utility>

namespace dovrel {

CategorySelection::Lists CategorySelection::lists(int c) const {
    SmartCleanViewController& s = screen_;
    const Lists all[SmartCleanViewController::kCategories] = {
        {&s.caches, &s.store_caches, &s.empty_caches},
        {&s.logs, &s.store_logs, &s.empty_logs},
        {&s.remainders, &s.store_remainders, &s.empty_remainders},
        {&s.browsers, &s.store_browsers, &s.empty_browsers},
        {&s.mails, &s.store_mails, &s.empty_mails},
        {&s.installs, &s.store_installs, &s.empty_installs},
        {&s.trash, &s.store_trash, &s.empty_trash},
    };
    return all[c];
}

ByteCount CategorySelection::categoryTotal(int c) const {
    if (screen_.sharedCleaner == nullptr)
        return 0;
    return screen_.sharedCleaner->*CategoryTable::all()[static_cast<std::size_t>(c)].total;
}

bool CategorySelection::isEntrySelected(int c, int position) const {
    const SelectionList& selection = this->selection(c);
    const SelectionList& full = this->full(c);
    if (position < 0 || position >= static_cast<int>(selection.size()))
        return false;
    return selection[static_cast<std::size_t>(position)] == full[static_cast<std::size_t>(position)];
}

void CategorySelection::load(int c, SelectionList entries) {
    // Two separate copies of the entries, and as many "Empty" slots.
    *lists(c).empty = SelectionList(entries.size(), SelectionSlot::placeholder());
    *lists(c).selection = entries;
    *lists(c).full = std::move(entries);
}

void CategorySelection::clear() {
    for (int c = 0; c < SmartCleanViewController::kCategories; ++c)
        *lists(c).selection = *lists(c).full = *lists(c).empty = SelectionList();
}

void CategorySelection::tickCategory(int c, bool on) {
    screen_.outlineItems[static_cast<std::size_t>(c)]->size = categoryTotal(c);
    selection(c) = on ? full(c) : empty(c);
}

void CategorySelection::tickEntry(int c, const ResultEntry& entry, int position, bool on) {
    SmartOutlineItem& category = *screen_.outlineItems[static_cast<std::size_t>(c)];
    SelectionList& selection = this->selection(c);
    selection[static_cast<std::size_t>(position)] =
        on ? SelectionSlot::of(entry) : SelectionSlot::placeholder();
    // With nothing ticked the row shows the category's total again; with
    // everything ticked it is that total; in between, what the ticked
    // entries free, each byte once (an entry inside another adds nothing).
    if (selection == empty(c) || selection == full(c))
        category.size = categoryTotal(c);
    else
        category.size = SelectionSize::of(selectedEntries(c), sizes());
}

std::vector<const ResultEntry*> CategorySelection::selectedEntries(int c) const {
    std::vector<const ResultEntry*> out;
    for (const SelectionSlot& slot : selection(c))
        if (const ResultEntry* e = slot.entry())
            out.push_back(e);
    return out;
}

const SelectionSize::Sizes& CategorySelection::sizes() const {
    static const SelectionSize::Sizes none;
    return screen_.sharedCleaner ? screen_.sharedCleaner->scanned_sizes : none;
}

int CategorySelection::categoryOf(const std::shared_ptr<SmartOutlineItem>& smartItem) const {
    const auto& items = screen_.outlineItems;
    for (int c = 0; c < static_cast<int>(items.size()); ++c)
        if (items[static_cast<std::size_t>(c)] == smartItem)
            return c;
    return -1;
}

ByteCount CategorySelection::selectedTotal() const {
    const auto& items = screen_.outlineItems;
    ByteCount total = 0;
    ByteCount within = 0;
    std::vector<const ResultEntry*> all;
    for (int c = 0; c < static_cast<int>(items.size()); ++c) {
        if (selection(c) == empty(c))
            continue;
        total += items[static_cast<std::size_t>(c)]->size;
        const auto entries = selectedEntries(c);
        within += SelectionSize::overlap(entries, sizes());
        all.insert(all.end(), entries.begin(), entries.end());
    }
    // The rows count what lies inside their own entries once; what two
    // categories both hold is taken off here.
    const ByteCount across = SelectionSize::overlap(all, sizes()) - within;
    return total - std::min(total, std::max<ByteCount>(across, 0));
}

bool CategorySelection::holds(const QString& tag, const ResultEntry& entry) const {
    const ScanCategory* category = CategoryTable::find(tag.toStdString());
    if (category == nullptr)
        return false;
    for (const SelectionSlot& slot : selection(static_cast<int>(category->index())))
        if (slot.holds(entry))
            return true;
    return false;
}

} // namespace dovrel
