#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

class QPainter;
class QRectF;

namespace dovrel {

// The application's named category images ("Smart cache", "Smart logs",
// "Smart remainders", "Smart browsers", "Smart mails", "Smart installs",
// "Smart trash"), painted in code at any size: a rounded tile in the
// category's colour with a white symbol.
class CategoryArtwork {
public:
    static QStringList names();
    static bool contains(const QString& name);

    // The image at side x side device-independent pixels; a neutral tile for
    // an unknown name.
    static QPixmap image(const QString& name, int side, qreal devicePixelRatio = 1.0);

    // Paints the image into `bounds` (a square works best).
    static void paint(QPainter& painter, const QRectF& bounds, const QString& name);
};

} // namespace dovrel
