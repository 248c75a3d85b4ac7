#include "screens/results/SmartCleanOutlineView.h"

#include "controls/ApplicationsScroller.h"
#include "controls/FocusRing.h"
#include "screens/results/CleanItemRowView.h"
#include "screens/results/SmartCleanOutlineAccessible.h"
#include "screens/results/SmartCleanOutlineDelegate.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartOutlineCellView.h"
#include "screens/results/SmartOutlineRowView.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace dovrel {

using Model = SmartCleanOutlineModel;

namespace {

constexpr int kSizeColumnWidth = 120;

const char* const kRowButtonStyle = R"(
QPushButton#outline_button {
    color: white; font-size: 12px; border: 1px solid rgba(255,255,255,0.45); border-radius: 10px;
    background: rgba(255,255,255,0.10); padding: 0 6px;
}
QPushButton#outline_button:hover { background: rgba(255,255,255,0.22); }
QPushButton#outline_button:focus, QPushButton#about_button:focus { border: 2px solid #5ac8fa; }
QPushButton#about_button {
    color: white; font-size: 12px; font-weight: 700; font-style: italic; border-radius: 10px;
    border: 1px solid rgba(255,255,255,0.45); background: rgba(255,255,255,0.10);
}
QPushButton#about_button:hover { background: rgba(255,255,255,0.22); }
)";

} // namespace

SmartCleanOutlineView::SmartCleanOutlineView(QWidget* parent)
    : QTreeView(parent), outline_button_(new QPushButton(tr("Show"), this)),
      about_button_(new QPushButton(QStringLiteral("i"), this)) {
    SmartCleanOutlineAccessible::install();
    setObjectName(QStringLiteral("outlineview"));
    setAccessibleName(tr("Scan results"));
    setAccessibleDescription(tr("Tick what to remove. Space ticks the focused row, the arrow keys open and "
                                "close a category."));
    setItemDelegate(new SmartCleanOutlineDelegate(this));
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false); // only through the outline button, the arrows and the screen
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setIndentation(26);
    setAllColumnsShowFocus(false); // the keyboard's focus ring is drawn in drawRow
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBar(new ApplicationsScroller(Qt::Vertical, this));
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    clear.setColor(QPalette::Window, Qt::transparent);
    setPalette(clear);
    setStyleSheet(QStringLiteral("QTreeView { background: transparent; border: none; }") +
                  QString::fromLatin1(kRowButtonStyle));

    outline_button_->setObjectName(QStringLiteral("outline_button"));
    about_button_->setObjectName(QStringLiteral("about_button"));
    for (QPushButton* button : {outline_button_, about_button_}) {
        button->hide();
        button->setFocusPolicy(Qt::TabFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->installEventFilter(this);
    }
    outline_button_->setFixedSize(SmartOutlineCellView::outlineButtonRect(QRect(0, 0, 400, 30)).size());
    about_button_->setFixedSize(SmartOutlineCellView::aboutButtonRect(QRect(0, 0, 400, 30)).size());
    connect(outline_button_, &QPushButton::clicked, this,
            [this] { emit outlineButtonClicked(outline_button_); });
    connect(about_button_, &QPushButton::clicked, this, [this] { emit aboutButtonClicked(about_button_); });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& row) { hideItems(row); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& row) { showItems(row); });
}

bool SmartCleanOutlineView::isExpandable(const QModelIndex& row) const {
    if (!Model::isCategory(row) || !model() || model()->rowCount(row.siblingAtColumn(0)) == 0)
        return false;
    return !expandable_ || expandable_(row.siblingAtColumn(0));
}

void SmartCleanOutlineView::setMouseInsideRow(const QModelIndex& row) {
    const QModelIndex category = Model::isCategory(row) ? row.siblingAtColumn(0) : QModelIndex();
    if (category == QModelIndex(mouseInside_))
        return;
    const QModelIndex old = mouseInside_;
    mouseInside_ = category;
    if (old.isValid())
        viewport()->update(rowRect(old));
    if (category.isValid())
        viewport()->update(rowRect(category));
    updateRowButtons();
}

void SmartCleanOutlineView::showSelection(const QModelIndex& row) {
    selection_ = row.siblingAtColumn(0);
    viewport()->update(rowRect(row));
}

void SmartCleanOutlineView::hideSelection(const QModelIndex& row) {
    if (row.isValid() && row.siblingAtColumn(0) == QModelIndex(selection_))
        selection_ = QPersistentModelIndex();
    if (row.isValid())
        viewport()->update(rowRect(row));
}

void SmartCleanOutlineView::showItems(const QModelIndex& row) {
    if (row.siblingAtColumn(0) == QModelIndex(buttonsRow_))
        updateRowButtons();
}

void SmartCleanOutlineView::hideItems(const QModelIndex& row) {
    if (row.siblingAtColumn(0) == QModelIndex(buttonsRow_))
        updateRowButtons();
}

QModelIndex SmartCleanOutlineView::rowForView(const QWidget* view) const {
    if (view != outline_button_ && view != about_button_)
        return {};
    return buttonsRow_;
}

QRect SmartCleanOutlineView::rowRect(const QModelIndex& index) const {
    const QRect cell = visualRect(index.siblingAtColumn(0));
    if (!cell.isValid())
        return {};
    return QRect(0, cell.top(), viewport()->width(), cell.height());
}

QPoint SmartCleanOutlineView::checkBoxCenter(const QModelIndex& index) const {
    const QModelIndex title = index.siblingAtColumn(0);
    return SmartCleanOutlineDelegate::checkBoxRect(title, visualRect(title), layoutDirection()).center();
}

void SmartCleanOutlineView::updateRowButtons() {
    QModelIndex row = mouseInside_;
    if (!row.isValid() && keyboardActive_ && hasFocus() && Model::isCategory(currentIndex()))
        row = currentIndex().siblingAtColumn(0);
    const QRect cell = row.isValid() ? visualRect(row) : QRect();
    // Keep the buttons while one of them has the focus.
    if (!cell.isValid()) {
        if (outline_button_->hasFocus() || about_button_->hasFocus())
            return;
        buttonsRow_ = QPersistentModelIndex();
        outline_button_->hide();
        about_button_->hide();
        return;
    }
    buttonsRow_ = row;
    const QString title = row.data(Qt::DisplayRole).toString();
    const bool empty = row.data(Model::EmptyRole).toBool();
    const bool expanded = isExpanded(row);
    outline_button_->setText(expanded ? tr("Hide") : tr("Show"));
    outline_button_->setAccessibleName(expanded ? tr("Hide %1").arg(title) : tr("Show %1").arg(title));
    about_button_->setAccessibleName(tr("About %1").arg(title));
    about_button_->setToolTip(about_button_->accessibleName());
    // The buttons are the view's own children (beside the viewport), so
    // assistive technology finds them in the outline.
    const QPoint origin = viewport()->geometry().topLeft();
    outline_button_->move(origin +
                          SmartOutlineCellView::outlineButtonRect(cell, layoutDirection()).topLeft());
    about_button_->move(origin + SmartOutlineCellView::aboutButtonRect(cell, layoutDirection()).topLeft());
    outline_button_->raise();
    about_button_->raise();
    outline_button_->setVisible(!empty);
    about_button_->setVisible(true);
}

void SmartCleanOutlineView::pointerMaybeLeft() {
    const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    if (!viewport()->rect().contains(at))
        setMouseInsideRow({});
}

void SmartCleanOutlineView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QRect row(0, option.rect.top(), viewport()->width(), option.rect.height());
    if (Model::isCategory(index))
        SmartOutlineRowView::drawBackground(*painter, row,
                                            index.siblingAtColumn(0) == QModelIndex(mouseInside_));
    QTreeView::drawRow(painter, option, index);
    if (index.siblingAtColumn(0) == QModelIndex(selection_))
        CleanItemRowView::drawSelection(*painter, row);
    if (keyboardActive_ && hasFocus() && index.siblingAtColumn(0) == currentIndex().siblingAtColumn(0)) {
        FocusRing::paint(*painter, QRectF(row).adjusted(3, 3, -3, -3), 5, 0);
    }
}

void SmartCleanOutlineView::mouseMoveEvent(QMouseEvent* event) {
    setMouseInsideRow(indexAt(event->position().toPoint()));
    QTreeView::mouseMoveEvent(event);
}

void SmartCleanOutlineView::mousePressEvent(QMouseEvent* event) {
    if (keyboardActive_) {
        keyboardActive_ = false;
        viewport()->update();
    }
    QTreeView::mousePressEvent(event);
}

void SmartCleanOutlineView::toggleCurrent() {
    const QModelIndex title = currentIndex().siblingAtColumn(0);
    if (!title.isValid() || !(model()->flags(title) & Qt::ItemIsUserCheckable))
        return;
    const auto state = static_cast<Qt::CheckState>(title.data(Qt::CheckStateRole).toInt());
    model()->setData(title, SmartCleanOutlineDelegate::nextState(state), Qt::CheckStateRole);
}

void SmartCleanOutlineView::keyPressEvent(QKeyEvent* event) {
    if (!keyboardActive_) {
        keyboardActive_ = true;
        viewport()->update();
    }
    const QModelIndex current = currentIndex().siblingAtColumn(0);
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        const QRect row = rowRect(current);
        const QPoint at = row.isValid() ? QPoint(row.left() + 40, row.center().y()) : QPoint(0, 0);
        emit contextMenuRequested(current, viewport()->mapToGlobal(at));
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Select:
        toggleCurrent();
        event->accept();
        return;
    case Qt::Key_Right:
        if (Model::isCategory(current)) {
            if (!isExpanded(current) && isExpandable(current))
                expand(current);
            else if (isExpanded(current) && model()->rowCount(current) > 0)
                setCurrentIndex(model()->index(0, 0, current));
        }
        event->accept();
        return;
    case Qt::Key_Left:
        if (current.isValid() && !Model::isCategory(current))
            setCurrentIndex(current.parent());
        else if (Model::isCategory(current) && isExpanded(current))
            collapse(current);
        event->accept();
        return;
    case Qt::Key_Asterisk:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        event->accept(); // no expanding around the expandability check
        return;
    default:
        QTreeView::keyPressEvent(event);
        updateRowButtons();
    }
}

void SmartCleanOutlineView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QModelIndex current = currentIndex().siblingAtColumn(0);
        const QRect row = rowRect(current);
        emit contextMenuRequested(current, viewport()->mapToGlobal(row.isValid() ? row.center() : QPoint()));
    } else {
        emit contextMenuRequested(indexAt(event->pos()).siblingAtColumn(0), event->globalPos());
    }
    event->accept();
}

bool SmartCleanOutlineView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave)
        pointerMaybeLeft();
    return QTreeView::viewportEvent(event);
}

bool SmartCleanOutlineView::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == outline_button_ || watched == about_button_) && event->type() == QEvent::Leave)
        pointerMaybeLeft();
    if ((watched == outline_button_ || watched == about_button_) && event->type() == QEvent::FocusOut)
        updateRowButtons();
    return QTreeView::eventFilter(watched, event);
}

void SmartCleanOutlineView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        keyboardActive_ = true;
        if (!currentIndex().isValid() && model() && model()->rowCount() > 0)
            setCurrentIndex(model()->index(0, 0));
    }
    updateRowButtons();
    viewport()->update();
}

void SmartCleanOutlineView::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    updateRowButtons();
    viewport()->update();
}

void SmartCleanOutlineView::updateGeometries() {
    QTreeView::updateGeometries();
    if (header()->count() == Model::ColumnCount) {
        header()->setStretchLastSection(false);
        header()->setSectionResizeMode(Model::TitleColumn, QHeaderView::Stretch);
        header()->setSectionResizeMode(Model::SizeColumn, QHeaderView::Fixed);
        header()->resizeSection(Model::SizeColumn, kSizeColumnWidth);
    }
    updateRowButtons();
}

void SmartCleanOutlineView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                        const QList<int>& roles) {
    QTreeView::dataChanged(topLeft, bottomRight, roles);
    if (!QAccessible::isActive() || !topLeft.isValid())
        return;
    auto* tree = dynamic_cast<SmartCleanOutlineAccessible*>(QAccessible::queryAccessibleInterface(this));
    if (tree == nullptr)
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.checkStateMixed = true;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        if (QAccessibleInterface* cell = tree->cellInterface(model()->index(row, 0, topLeft.parent()))) {
            QAccessibleStateChangeEvent event(cell, changed);
            QAccessible::updateAccessibility(&event);
        }
}

void SmartCleanOutlineView::scrollContentsBy(int dx, int dy) {
    QTreeView::scrollContentsBy(dx, dy);
    updateRowButtons();
}

} // namespace dovrel
