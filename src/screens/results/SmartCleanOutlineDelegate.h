#pragma once

#include <QStyledItemDelegate>

namespace dovrel {

// Draws the outline's rows with the category and entry cell views (from the
// model's data alone) and turns a click on a row's check box into a change of
// the model's check state: on becomes off, off and mixed become on.
class SmartCleanOutlineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The state a click (or Space) gives a box that shows `current`.
    static Qt::CheckState nextState(Qt::CheckState current);
    // The check box of the row's title cell.
    static QRect checkBoxRect(const QModelIndex& index, const QRect& titleCell,
                              Qt::LayoutDirection direction = Qt::LeftToRight);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace dovrel
