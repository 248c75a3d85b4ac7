#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <Qt>

class QPainter;

namespace dovrel {

// The cell of an entry row (identifier "Clean"): the check box `check`, the
// icon, the title and the `size` label in the size column, at opacity 1.0
// when the entry is selected and 0.5 when not. Geometry and painting only.
class CleanItemCellView {
public:
    static constexpr const char* kIdentifier = "Clean";

    struct Content {
        QString title;
        QIcon icon;
        QString size;
        Qt::CheckState check = Qt::Checked;
        double sizeOpacity = 1.0;
    };

    static QRect checkBoxRect(const QRect& titleCell, Qt::LayoutDirection direction = Qt::LeftToRight);
    static QRect iconRect(const QRect& titleCell, Qt::LayoutDirection direction = Qt::LeftToRight);

    static void paintTitle(QPainter& painter, const QRect& titleCell, const Content& content);
    static void paintSize(QPainter& painter, const QRect& sizeCell, const Content& content);
};

} // namespace dovrel
