#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

#include <functional>

class QPushButton;

namespace dovrel {

// The results outline: a tree view on a transparent background, 30 px rows,
// no branch decorations and no item selection (ticking is done with the
// check boxes only).
//
// Row state that belongs to the view and not to the selection:
//  - mouseInside: the category row under the pointer. Its row view draws a
//    band and the view lays two real buttons over it: `about_button` and,
//    for a category that is not empty, `outline_button`, titled "Hide" while
//    the category is expanded and "Show" while it is collapsed. While the
//    keyboard is used, the focused category row gets them instead.
//  - selection: the entry row whose context menu is open (a thin frame).
//
// Keyboard: Space ticks the focused row (as a click on its box), Right
// expands a collapsed category (or steps into an expanded one), Left
// collapses it (or steps from an entry to its category), the menu key or
// Shift+F10 asks for the focused row's context menu. The user cannot expand
// a category that the expandability check refuses.
class SmartCleanOutlineView : public QTreeView {
    Q_OBJECT
public:
    explicit SmartCleanOutlineView(QWidget* parent = nullptr);

    // Decides whether a category row may be expanded.
    void setExpandableCheck(std::function<bool(const QModelIndex&)> check) { expandable_ = std::move(check); }
    bool isExpandable(const QModelIndex& row) const;

    QModelIndex mouseInsideRow() const { return mouseInside_; }
    void setMouseInsideRow(const QModelIndex& row);

    // The context-menu frame of an entry row.
    void showSelection(const QModelIndex& row);
    void hideSelection(const QModelIndex& row);
    QModelIndex selectionRow() const { return selection_; }

    // The outline button's title on a category row ("Show" collapsed, "Hide"
    // expanded); it follows the row's expansion.
    void showItems(const QModelIndex& row);
    void hideItems(const QModelIndex& row);

    // The row a row button sits on (invalid for anything else).
    QModelIndex rowForView(const QWidget* view) const;
    QPushButton* outlineButton() const { return outline_button_; }
    QPushButton* aboutButton() const { return about_button_; }

    // The whole row of an index, in viewport coordinates.
    QRect rowRect(const QModelIndex& index) const;
    // The middle of a row's check box, in viewport coordinates.
    QPoint checkBoxCenter(const QModelIndex& index) const;

signals:
    void outlineButtonClicked(QWidget* sender);
    void aboutButtonClicked(QWidget* sender);
    // A context menu is asked for at the row (invalid: no row there).
    void contextMenuRequested(const QModelIndex& row, const QPoint& globalPos);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void updateGeometries() override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateRowButtons();
    void pointerMaybeLeft();
    void toggleCurrent();

    std::function<bool(const QModelIndex&)> expandable_;
    QPersistentModelIndex mouseInside_;
    QPersistentModelIndex selection_;
    QPersistentModelIndex buttonsRow_;
    bool keyboardActive_ = false;
    QPushButton* outline_button_;
    QPushButton* about_button_;
};

} // namespace dovrel
