#include "controls/CategoryArtwork.h"

#include "platform/gui/HexColor.h"

#include <QPainter>
#include <QPainterPath>

namespace dovrel {

namespace {

struct Art {
    const char* name;
    const char* top;
    const char* bottom;
};

constexpr Art kArt[] = {
    {"Smart cache", "2bbcff", "0076ff"},      {"Smart logs", "8e8cff", "5a4fe0"},
    {"Smart remainders", "ffb347", "ff7a1a"}, {"Smart browsers", "3ddc97", "13a86b"},
    {"Smart mails", "5ac8fa", "1f8bd6"},      {"Smart installs", "ff7eb3", "e0457b"},
    {"Smart trash", "a0a4b8", "6c7088"},
};

const Art* find(const QString& name) {
    for (const Art& art : kArt)
        if (name == QLatin1String(art.name))
            return &art;
    return nullptr;
}

// Symbols on a 100 x 100 grid.
void symbol(QPainter& p, const QString& name) {
    QPen pen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (name == QLatin1String("Smart cache")) { // stacked layers
        for (int i = 0; i < 3; ++i) {
            QPainterPath layer;
            const qreal y = 34 + i * 14;
            layer.moveTo(50, y - 12);
            layer.lineTo(78, y);
            layer.lineTo(50, y + 12);
            layer.lineTo(22, y);
            layer.closeSubpath();
            p.drawPath(layer);
        }
    } else if (name == QLatin1String("Smart logs")) { // page with lines
        p.drawRoundedRect(QRectF(28, 20, 44, 60), 6, 6);
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(38, 36 + i * 11), QPointF(i == 3 ? 52 : 62, 36 + i * 11));
    } else if (name == QLatin1String("Smart remainders")) { // open box
        p.drawRect(QRectF(26, 44, 48, 34));
        p.drawLine(QPointF(26, 44), QPointF(18, 30));
        p.drawLine(QPointF(74, 44), QPointF(82, 30));
        p.drawLine(QPointF(42, 58), QPointF(58, 58));
    } else if (name == QLatin1String("Smart browsers")) { // globe
        p.drawEllipse(QPointF(50, 50), 28, 28);
        p.drawEllipse(QPointF(50, 50), 12, 28);
        p.drawLine(QPointF(22, 50), QPointF(78, 50));
    } else if (name == QLatin1String("Smart mails")) { // envelope
        p.drawRoundedRect(QRectF(20, 30, 60, 40), 5, 5);
        p.drawPolyline(QPolygonF({QPointF(22, 33), QPointF(50, 54), QPointF(78, 33)}));
    } else if (name == QLatin1String("Smart installs")) { // arrow into a tray
        p.drawLine(QPointF(50, 18), QPointF(50, 56));
        p.drawPolyline(QPolygonF({QPointF(36, 43), QPointF(50, 57), QPointF(64, 43)}));
        p.drawPolyline(QPolygonF({QPointF(24, 62), QPointF(24, 78), QPointF(76, 78), QPointF(76, 62)}));
    } else if (name == QLatin1String("Smart trash")) { // bin
        p.drawLine(QPointF(24, 30), QPointF(76, 30));
        p.drawLine(QPointF(42, 30), QPointF(44, 22));
        p.drawLine(QPointF(44, 22), QPointF(56, 22));
        p.drawLine(QPointF(56, 22), QPointF(58, 30));
        QPainterPath bin;
        bin.moveTo(30, 30);
        bin.lineTo(34, 80);
        bin.lineTo(66, 80);
        bin.lineTo(70, 30);
        p.drawPath(bin);
        p.drawLine(QPointF(44, 42), QPointF(45, 68));
        p.drawLine(QPointF(56, 42), QPointF(55, 68));
    } else { // unknown: a dot
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(50, 50), 10, 10);
    }
}

} // namespace

QStringList CategoryArtwork::names() {
    QStringList list;
    for (const Art& art : kArt)
        list << QLatin1String(art.name);
    return list;
}

bool CategoryArtwork::contains(const QString& name) {
    return find(name) != nullptr;
}

void CategoryArtwork::paint(QPainter& painter, const QRectF& bounds, const QString& name) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const Art* art = find(name);
    QLinearGradient tile(bounds.topLeft(), bounds.bottomLeft());
    tile.setColorAt(0, HexColor::colorFromHexString(QLatin1String(art ? art->top : "7a7d90")));
    tile.setColorAt(1, HexColor::colorFromHexString(QLatin1String(art ? art->bottom : "4a4d60")));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    const qreal radius = bounds.width() * 0.22;
    painter.drawRoundedRect(bounds, radius, radius);
    painter.translate(bounds.topLeft());
    painter.scale(bounds.width() / 100.0, bounds.height() / 100.0);
    symbol(painter, name);
    painter.restore();
}

QPixmap CategoryArtwork::image(const QString& name, int side, qreal devicePixelRatio) {
    if (side <= 0)
        return {};
    if (!(devicePixelRatio > 0))
        devicePixelRatio = 1;
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, QRectF(0, 0, side, side), name);
    return pixmap;
}

} // namespace dovrel
