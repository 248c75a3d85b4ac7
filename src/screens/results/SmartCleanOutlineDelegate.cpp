#include "screens/results/SmartCleanOutlineDelegate.h"

#include "screens/results/CleanItemCellView.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartOutlineCellView.h"
#include "screens/results/SmartOutlineRowView.h"

#include <QMouseEvent>
#include <QPainter>

namespace dovrel {

using Model = SmartCleanOutlineModel;

Qt::CheckState SmartCleanOutlineDelegate::nextState(Qt::CheckState current) {
    return current == Qt::Checked ? Qt::Unchecked : Qt::Checked;
}

QRect SmartCleanOutlineDelegate::checkBoxRect(const QModelIndex& index, const QRect& titleCell,
                                              Qt::LayoutDirection direction) {
    return Model::isCategory(index) ? SmartOutlineCellView::checkBoxRect(titleCell, direction)
                                    : CleanItemCellView::checkBoxRect(titleCell, direction);
}

void SmartCleanOutlineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    if (!index.data(Model::HasRowViewRole).toBool())
        return;
    const QVariant check = index.siblingAtColumn(Model::TitleColumn).data(Qt::CheckStateRole);
    const Qt::CheckState state = check.isValid() ? static_cast<Qt::CheckState>(check.toInt()) : Qt::Unchecked;
    const double opacity = index.data(Model::SizeOpacityRole).toDouble();
    const QString size = index.siblingAtColumn(Model::SizeColumn).data(Qt::DisplayRole).toString();

    if (Model::isCategory(index)) {
        SmartOutlineCellView::Content content;
        content.title = index.siblingAtColumn(Model::TitleColumn).data(Qt::DisplayRole).toString();
        content.image = index.siblingAtColumn(Model::TitleColumn).data(Qt::DecorationRole).value<QIcon>();
        content.size = size;
        content.check = state;
        content.empty = index.data(Model::EmptyRole).toBool();
        content.sizeOpacity = opacity;
        if (index.column() == Model::TitleColumn)
            SmartOutlineCellView::paintTitle(*painter, option.rect, content);
        else
            SmartOutlineCellView::paintSize(*painter, option.rect, content);
        return;
    }
    CleanItemCellView::Content content;
    content.title = index.siblingAtColumn(Model::TitleColumn).data(Qt::DisplayRole).toString();
    content.icon = index.siblingAtColumn(Model::TitleColumn).data(Qt::DecorationRole).value<QIcon>();
    content.size = size;
    content.check = state;
    content.sizeOpacity = opacity;
    if (index.column() == Model::TitleColumn)
        CleanItemCellView::paintTitle(*painter, option.rect, content);
    else
        CleanItemCellView::paintSize(*painter, option.rect, content);
}

QSize SmartCleanOutlineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), SmartOutlineRowView::kHeight);
}

bool SmartCleanOutlineDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                            const QStyleOptionViewItem& option, const QModelIndex& index) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    if (index.column() != Model::TitleColumn || !(model->flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !checkBoxRect(index, option.rect, option.direction)
                                                  .adjusted(-3, -3, 3, 3)
                                                  .contains(mouse->position().toPoint()))
        return false;
    if (type == QEvent::MouseButtonRelease) {
        const auto current = static_cast<Qt::CheckState>(index.data(Qt::CheckStateRole).toInt());
        model->setData(index, nextState(current), Qt::CheckStateRole);
    }
    return true;
}

} // namespace dovrel
