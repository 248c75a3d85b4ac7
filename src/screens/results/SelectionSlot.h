#pragma once

#include "engine/CleanerItem.h"

#include <QString>

#include <variant>
#include <vector>

namespace dovrel {

// One position of a category's selection list on the results screen: the
// entry itself (the entry is selected) or the placeholder text "Empty" (it is
// not). Slots compare by value: two texts by their characters, two entries by
// the identity of the record (the records are shared, never copied), and a
// text never equals an entry. Any text, not only "Empty", counts as "not the
// entry".
class SelectionSlot {
public:
    static const QString& placeholderText(); // "Empty"

    static SelectionSlot placeholder() { return SelectionSlot(placeholderText()); }
    static SelectionSlot of(ResultEntry entry) { return SelectionSlot(std::move(entry)); }

    bool isEntry() const { return std::holds_alternative<ResultEntry>(value_); }
    // The entry held, or null for a text.
    const ResultEntry* entry() const { return std::get_if<ResultEntry>(&value_); }
    // True when the slot holds exactly this record.
    bool holds(const ResultEntry& e) const { return isEntry() && *entry() == e; }

    bool operator==(const SelectionSlot&) const = default;

private:
    explicit SelectionSlot(QString text) : value_(std::move(text)) {}
    explicit SelectionSlot(ResultEntry entry) : value_(std::move(entry)) {}

    std::variant<QString, ResultEntry> value_;
};

using SelectionList = std::vector<SelectionSlot>;

} // namespace dovrel
