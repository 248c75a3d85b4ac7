#include "screens/results/KeptEntries.h"

#include "engine/Cleaner.h"
#include "engine/HandOver.h"
#include "engine/KeepList.h"
#include "screens/results/CategorySelection.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanViewController.h"

#include <QCoreApplication>

namespace dovrel {

using Model = SmartCleanOutlineModel;

bool KeptEntries::holds(const ResultEntry& entry) const {
    if (kept_.empty())
        return false;
    for (const Location& l : HandOver::locationsOf(entry))
        if (kept_.count(l.native()))
            return true;
    return false;
}

int KeptEntries::count(int c) const {
    int n = c >= 0 && c < static_cast<int>(screen_.outlineItems.size())
                ? screen_.outlineItems[static_cast<std::size_t>(c)]->kept
                : 0;
    if (!kept_.empty())
        for (const SelectionSlot& slot : selection_.full(c))
            if (const ResultEntry* e = slot.entry(); e && holds(*e))
                ++n;
    return n;
}

void KeptEntries::untickIn(int c) {
    const SelectionList& full = selection_.full(c);
    for (int p = 0; p < static_cast<int>(full.size()); ++p)
        if (const ResultEntry* e = full[static_cast<std::size_t>(p)].entry(); e && holds(*e))
            if (selection_.isEntrySelected(c, p))
                selection_.tickEntry(c, *e, p, false);
}

bool KeptEntries::keep(const QModelIndex& entryRow, QString& error) {
    const ResultEntry* entry = screen_.outlineModel() ? screen_.outlineModel()->entryAt(entryRow) : nullptr;
    if (entry == nullptr || Model::isCategory(entryRow))
        return false;
    if (screen_.sharedCleaner == nullptr || screen_.sharedCleaner->keep_list == nullptr) {
        error = QCoreApplication::translate("dovrel::SmartCleanViewController",
                                            "The keep list is not available.");
        return false;
    }
    for (const Location& l : HandOver::locationsOf(*entry)) {
        std::string why;
        if (!screen_.sharedCleaner->keep_list->add(l, why)) {
            error = QString::fromStdString(why);
            return false;
        }
        kept_.insert(l.native());
    }
    const int c = Model::categoryOf(entryRow);
    const int position = Model::positionOf(entryRow);
    if (selection_.isEntrySelected(c, position))
        selection_.tickEntry(c, *entry, position, false);
    screen_.outlineModel()->entryChanged(c, position);
    screen_.outlineModel()->categoryChanged(c);
    screen_.update_ui();
    return true;
}

bool KeptEntries::stopKeeping(const QModelIndex& entryRow, QString& error) {
    const ResultEntry* entry = screen_.outlineModel() ? screen_.outlineModel()->entryAt(entryRow) : nullptr;
    if (entry == nullptr || !holds(*entry) || screen_.sharedCleaner == nullptr ||
        screen_.sharedCleaner->keep_list == nullptr)
        return false;
    for (const Location& l : HandOver::locationsOf(*entry)) {
        std::string why;
        if (!screen_.sharedCleaner->keep_list->remove(l, why) &&
            screen_.sharedCleaner->keep_list->holdsExactly(l)) {
            error = QString::fromStdString(why);
            return false;
        }
        kept_.erase(l.native());
    }
    const int c = Model::categoryOf(entryRow);
    screen_.outlineModel()->entryChanged(c, Model::positionOf(entryRow));
    screen_.outlineModel()->categoryChanged(c);
    return true;
}

} // namespace dovrel
