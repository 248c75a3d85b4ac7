#include "screens/results/SmartCleanOutlineAccessible.h"

#include "screens/results/OutlineCellAccessible.h"
#include "screens/results/SmartCleanOutlineView.h"

#include <QPushButton>

namespace dovrel {

namespace {

constexpr int kColumns = 2;

QAccessibleInterface* outlineFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("dovrel::SmartCleanOutlineView") && object != nullptr &&
        object->isWidgetType())
        return new SmartCleanOutlineAccessible(static_cast<SmartCleanOutlineView*>(object));
    return nullptr;
}

// Rows never move in this model (it is only ever reset), so a cell is known
// by its category, position and column.
quint64 keyOf(const QModelIndex& index) {
    const QModelIndex parent = index.parent();
    const quint64 category = parent.isValid() ? quint64(parent.row()) : quint64(index.row());
    const quint64 position = parent.isValid() ? quint64(index.row()) + 1 : 0;
    return (category << 40) | (position << 8) | quint64(index.column());
}

} // namespace

void SmartCleanOutlineAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(outlineFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

SmartCleanOutlineAccessible::SmartCleanOutlineAccessible(SmartCleanOutlineView* view)
    : QAccessibleWidget(view, QAccessible::Tree) {}

SmartCleanOutlineAccessible::~SmartCleanOutlineAccessible() {
    forgetCells();
}

SmartCleanOutlineView* SmartCleanOutlineAccessible::view() const {
    return static_cast<SmartCleanOutlineView*>(widget());
}

void SmartCleanOutlineAccessible::forgetCells() {
    for (QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

QList<QModelIndex> SmartCleanOutlineAccessible::visibleRows() const {
    QList<QModelIndex> rows;
    const QAbstractItemModel* model = view()->model();
    if (model == nullptr)
        return rows;
    for (int c = 0; c < model->rowCount(); ++c) {
        const QModelIndex category = model->index(c, 0);
        rows << category;
        if (view()->isExpanded(category))
            for (int i = 0; i < model->rowCount(category); ++i)
                rows << model->index(i, 0, category);
    }
    return rows;
}

QList<QWidget*> SmartCleanOutlineAccessible::visibleButtons() const {
    QList<QWidget*> buttons;
    for (QWidget* b :
         {static_cast<QWidget*>(view()->outlineButton()), static_cast<QWidget*>(view()->aboutButton())})
        if (b->isVisible())
            buttons << b;
    return buttons;
}

QAccessibleInterface* SmartCleanOutlineAccessible::cellInterface(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != view()->model())
        return nullptr;
    const quint64 key = keyOf(index);
    auto it = cells_.constFind(key);
    if (it != cells_.constEnd()) {
        QAccessibleInterface* known = QAccessible::accessibleInterface(it.value());
        if (known != nullptr && known->isValid())
            return known;
        if (known != nullptr)
            QAccessible::deleteAccessibleInterface(it.value());
        cells_.remove(key);
    }
    auto* cell = new OutlineCellAccessible(view(), index);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int SmartCleanOutlineAccessible::childCount() const {
    return int(visibleRows().size()) * kColumns + int(visibleButtons().size());
}

QAccessibleInterface* SmartCleanOutlineAccessible::child(int index) const {
    if (index < 0)
        return nullptr;
    const QList<QModelIndex> rows = visibleRows();
    const int cells = int(rows.size()) * kColumns;
    if (index < cells)
        return cellInterface(rows[index / kColumns].siblingAtColumn(index % kColumns));
    const QList<QWidget*> buttons = visibleButtons();
    if (index - cells < buttons.size())
        return QAccessible::queryAccessibleInterface(buttons[index - cells]);
    return nullptr;
}

int SmartCleanOutlineAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr)
        return -1;
    const QList<QModelIndex> rows = visibleRows();
    if (auto* cell = dynamic_cast<const OutlineCellAccessible*>(child)) {
        const QModelIndex title = QModelIndex(cell->index()).siblingAtColumn(0);
        const int row = int(rows.indexOf(title));
        return row < 0 ? -1 : row * kColumns + cell->index().column();
    }
    const QList<QWidget*> buttons = visibleButtons();
    const int at = int(buttons.indexOf(qobject_cast<QWidget*>(child->object())));
    return at < 0 ? -1 : int(rows.size()) * kColumns + at;
}

QAccessibleInterface* SmartCleanOutlineAccessible::childAt(int x, int y) const {
    for (QWidget* button : visibleButtons())
        if (QRect(button->mapToGlobal(QPoint(0, 0)), button->size()).contains(x, y))
            return QAccessible::queryAccessibleInterface(button);
    const QPoint at = view()->viewport()->mapFromGlobal(QPoint(x, y));
    return cellInterface(view()->indexAt(at));
}

QAccessibleInterface* SmartCleanOutlineAccessible::focusChild() const {
    if (!view()->hasFocus())
        return nullptr;
    return cellInterface(view()->currentIndex().siblingAtColumn(0));
}

} // namespace dovrel
