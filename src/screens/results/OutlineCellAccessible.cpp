#include "screens/results/OutlineCellAccessible.h"

#include "screens/results/SmartCleanOutlineDelegate.h"

#include <QTreeView>

namespace dovrel {

OutlineCellAccessible::OutlineCellAccessible(QTreeView* view, const QModelIndex& index)
    : view_(view), index_(index) {}

bool OutlineCellAccessible::isValid() const {
    return view_ && index_.isValid();
}

QWindow* OutlineCellAccessible::window() const {
    return view_ ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* OutlineCellAccessible::parent() const {
    return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
}

QString OutlineCellAccessible::text(QAccessible::Text t) const {
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name:
        return index_.data(Qt::AccessibleTextRole).toString();
    case QAccessible::Description:
        return index_.data(Qt::AccessibleDescriptionRole).toString();
    case QAccessible::Value:
        return QModelIndex(index_).siblingAtColumn(1).data(Qt::DisplayRole).toString();
    default:
        return {};
    }
}

QRect OutlineCellAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect cell = view_->visualRect(index_);
    return QRect(view_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::Role OutlineCellAccessible::role() const {
    return index_.column() == 0 ? QAccessible::TreeItem : QAccessible::Cell;
}

bool OutlineCellAccessible::checkable() const {
    return isValid() && (index_.flags() & Qt::ItemIsUserCheckable);
}

QAccessible::State OutlineCellAccessible::state() const {
    QAccessible::State st;
    if (!isValid()) {
        st.invalid = true;
        return st;
    }
    st.focusable = true;
    if (view_->hasFocus() &&
        view_->currentIndex().siblingAtColumn(0) == QModelIndex(index_).siblingAtColumn(0))
        st.focused = true;
    if (!view_->viewport()->rect().intersects(view_->visualRect(index_)))
        st.invisible = true;
    if (checkable()) {
        st.checkable = true;
        switch (static_cast<Qt::CheckState>(index_.data(Qt::CheckStateRole).toInt())) {
        case Qt::Checked:
            st.checked = true;
            break;
        case Qt::PartiallyChecked:
            st.checkStateMixed = true;
            break;
        case Qt::Unchecked:
            break;
        }
    }
    const QModelIndex title = QModelIndex(index_).siblingAtColumn(0);
    if (index_.column() == 0 && !title.parent().isValid() && view_->model()->rowCount(title) > 0) {
        st.expandable = true;
        st.expanded = view_->isExpanded(title);
        st.collapsed = !st.expanded;
    }
    return st;
}

void* OutlineCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList OutlineCellAccessible::actionNames() const {
    QStringList names;
    if (checkable())
        names << toggleAction();
    if (isValid())
        names << setFocusAction();
    return names;
}

void OutlineCellAccessible::doAction(const QString& actionName) {
    if (!isValid())
        return;
    if (actionName == toggleAction() && checkable()) {
        const auto shown = static_cast<Qt::CheckState>(index_.data(Qt::CheckStateRole).toInt());
        view_->model()->setData(index_, SmartCleanOutlineDelegate::nextState(shown), Qt::CheckStateRole);
    } else if (actionName == setFocusAction()) {
        view_->setFocus(Qt::OtherFocusReason);
        view_->setCurrentIndex(QModelIndex(index_).siblingAtColumn(0));
    }
}

QStringList OutlineCellAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == toggleAction())
        return {QStringLiteral("Space")};
    return {};
}

} // namespace dovrel
