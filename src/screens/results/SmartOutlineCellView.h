#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <Qt>

class QPainter;

namespace dovrel {

// The cell of a category row (identifier "Smart"): the check box `select`,
// the category image, the title, and the `size` label in the size column.
// The outline and about buttons are real buttons that the outline view lays
// over buttonsRect() while the row has the pointer (see SmartCleanOutlineView).
//
//   state                        check box                  size label
//   `empty` (category total 0)   hidden                     hidden
//   nothing selected             off                        opacity 0.5
//   everything selected          on                         opacity 1.0
//   partly selected              mixed                      opacity 1.0
//
// Geometry and painting only; the content comes from the outline's model.
class SmartOutlineCellView {
public:
    static constexpr const char* kIdentifier = "Smart";

    struct Content {
        QString title;
        QIcon image;
        QString size;
        Qt::CheckState check = Qt::Unchecked;
        bool empty = false;
        double sizeOpacity = 1.0;
    };

    static QRect checkBoxRect(const QRect& titleCell, Qt::LayoutDirection direction = Qt::LeftToRight);
    // Where the outline button ("Show"/"Hide") and the about button sit.
    static QRect outlineButtonRect(const QRect& titleCell, Qt::LayoutDirection direction = Qt::LeftToRight);
    static QRect aboutButtonRect(const QRect& titleCell, Qt::LayoutDirection direction = Qt::LeftToRight);

    // Right to left (the painter's direction), every part is mirrored in
    // the cell.
    static void paintTitle(QPainter& painter, const QRect& titleCell, const Content& content);
    static void paintSize(QPainter& painter, const QRect& sizeCell, const Content& content);
};

} // namespace dovrel
