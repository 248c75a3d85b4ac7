#pragma once

#include <QAccessibleActionInterface>
#include <QPersistentModelIndex>
#include <QPointer>

class QTreeView;

namespace dovrel {

// What assistive technology sees of one cell of the results outline. The
// title cell of a row is a tree item named by the row's title, described by
// its formatted size, with the row's tick state (checked, unchecked, or
// mixed for a partly ticked category) and, for a category, whether it is
// expanded; its actions tick the row (as Space does) and focus it. The size
// cell is named by the size. Everything is read from the model when asked.
class OutlineCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    OutlineCellAccessible(QTreeView* view, const QModelIndex& index);

    const QPersistentModelIndex& index() const { return index_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    bool checkable() const;

    QPointer<QTreeView> view_;
    QPersistentModelIndex index_;
};

} // namespace dovrel
