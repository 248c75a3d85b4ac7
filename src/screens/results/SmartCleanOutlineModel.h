#pragma once

#include "engine/CleanerItem.h"
#include "fs/Types.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

#include <optional>

namespace dovrel {

class SmartCleanViewController;

// The outline's model over the results screen's lists: the seven categories
// at the top level, each with the entries of its full list below it, in two
// columns (title with check box and icon; size).
//
// It keeps no selection of its own: check states, sizes and opacities are
// read from the screen's lists and category rows on every call, and changing
// a check state (a click, Space, an accessibility tool) runs the screen's
// ticking actions, which tell the model which rows to repaint. Only icons
// are cached. No row is selectable in the item-view sense.
class SmartCleanOutlineModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { TitleColumn = 0, SizeColumn = 1, ColumnCount = 2 };
    enum Role {
        SizeOpacityRole = Qt::UserRole + 1, // double: 1.0, or 0.5 for what is not selected
        IsCategoryRole,                     // bool
        EmptyRole,                          // bool: a category whose total is 0 (`empty`)
        HasRowViewRole,                     // bool: false for a source of unknown kind
        CategoryRole,                       // int: the category (0..6) of the row
        PositionRole,                       // int: the entry's position, -1 for a category
    };

    SmartCleanOutlineModel(SmartCleanViewController& screen, std::optional<Location> applicationsFolder,
                           QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QModelIndex categoryIndex(int c, int column = TitleColumn) const;
    QModelIndex entryIndex(int c, int position, int column = TitleColumn) const;
    static bool isCategory(const QModelIndex& index);
    static int categoryOf(const QModelIndex& index);
    static int positionOf(const QModelIndex& index);
    // The entry of an entry row (null for a category row).
    const ResultEntry* entryAt(const QModelIndex& index) const;

    // Repaints after the screen changed its lists.
    void categoryChanged(int c);
    void entryChanged(int c, int position);
    void entriesChanged(int c);
    // Re-reads everything (after the screen loaded its lists).
    void reload();

    // The invariants between the screen's lists and this model: seven
    // categories, three lists of equal length per category, the full list
    // holding entries only, every selection slot either the full list's entry
    // at that position or a text, the empty list texts only. Tests call it
    // after every change.
    bool isConsistent() const;

private:
    QIcon iconOf(int c, int position) const;

    SmartCleanViewController& screen_;
    std::optional<Location> applicationsFolder_;
    mutable QHash<QPair<int, int>, QIcon> icons_;
};

} // namespace dovrel
