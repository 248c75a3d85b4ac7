#include "controls/CellButton.h"

#include "controls/FocusRing.h"

#include <QPainter>

namespace dovrel {

namespace {
constexpr int kMargin = 4; // room for the shadow and the focus ring
} // namespace

CellButton::CellButton(ButtonCell::Kind kind, QWidget* parent)
    : QPushButton(parent), cell_(ButtonCell::forKind(kind)) {
    setup();
}

CellButton::CellButton(ButtonCell::Kind kind, const QString& text, QWidget* parent)
    : QPushButton(text, parent), cell_(ButtonCell::forKind(kind)) {
    setup();
}

void CellButton::setup() {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setPixelSize(13);
    if (cell_.hasBezel())
        f.setWeight(QFont::DemiBold);
    setFont(f);
}

QRectF CellButton::bezelRect() const {
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QSize CellButton::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    const int padX = cell_.hasBezel() ? 20 : 6;
    const int padY = cell_.hasBezel() ? 9 : 3;
    return {fm.horizontalAdvance(text()) + 2 * (padX + kMargin), fm.height() + 2 * (padY + kMargin)};
}

QSize CellButton::minimumSizeHint() const {
    return sizeHint();
}

void CellButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!isEnabled())
        p.setOpacity(0.55);
    const QRectF bezel = bezelRect();
    cell_.paint(p, bezel, text(), font(), isDown());
    if (hasFocus()) {
        if (cell_.hasBezel()) {
            FocusRing::paint(p, bezel, *cell_.radius, 1);
        } else {
            const QRectF title = fontMetrics().boundingRect(bezel.toRect(), Qt::AlignCenter, text());
            FocusRing::paint(p, title.adjusted(-3, -1, 3, 1), 3, 0);
        }
    }
}

} // namespace dovrel
