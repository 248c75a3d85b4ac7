#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTreeView;

namespace dovrel {

class SmartCleanOutlineView;

// What assistive technology sees of the results outline: a tree whose
// children are its visible cells, row after row as the outline shows them
// (title cell, size cell; see OutlineCellAccessible), followed by the row
// buttons while they are shown. Child i is the same numbering the item view
// uses in its focus events, so a screen reader follows the keyboard.
//
// Cell interfaces are made on demand, registered, and the same object is
// returned for a cell each time until the model is reset; this interface
// deletes them when it goes.
class SmartCleanOutlineAccessible : public QAccessibleWidget {
public:
    // Makes the outline views use this interface (once per process).
    static void install();

    explicit SmartCleanOutlineAccessible(SmartCleanOutlineView* view);
    ~SmartCleanOutlineAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The interface of one cell (null for an invalid index).
    QAccessibleInterface* cellInterface(const QModelIndex& index) const;
    // Forgets every cell interface (the model was reset).
    void forgetCells();

private:
    SmartCleanOutlineView* view() const;
    QList<QModelIndex> visibleRows() const;
    QList<QWidget*> visibleButtons() const;

    mutable QHash<quint64, QAccessible::Id> cells_;
};

} // namespace dovrel
