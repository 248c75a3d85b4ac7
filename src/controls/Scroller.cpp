#include "controls/Scroller.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace dovrel {

namespace {
constexpr int kExtent = 11;
constexpr int kKnobWidth = 7;
} // namespace

Scroller::Scroller(QWidget* parent) : QScrollBar(parent) {
    setup();
}

Scroller::Scroller(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
    setup();
}

void Scroller::setup() {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAccessibleName(tr("Scroll bar"));
}

void Scroller::setDarkAppearance(bool dark) {
    dark_ = dark;
    update();
}

QColor Scroller::knobColor() const {
    return dark_ ? QColor(255, 255, 255, 110) : QColor(0, 0, 0, 128);
}

QSize Scroller::sizeHint() const {
    return orientation() == Qt::Vertical ? QSize(kExtent, 40) : QSize(40, kExtent);
}

QRect Scroller::knobRect() const {
    if (maximum() <= minimum())
        return {};
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    const QRect slider =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    if (orientation() == Qt::Vertical) {
        const int x = (width() - kKnobWidth) / 2;
        return {x, slider.top(), kKnobWidth, std::max(slider.height(), kKnobWidth)};
    }
    Q_UNUSED(groove)
    const int y = (height() - kKnobWidth) / 2;
    return {slider.left(), y, std::max(slider.width(), kKnobWidth), kKnobWidth};
}

void Scroller::paintEvent(QPaintEvent*) {
    // No track: what lies below has been painted already and shows through
    // (clearing it here would punch a black band into an opaque window).
    QPainter p(this);
    const QRect knob = knobRect();
    if (knob.isEmpty())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(knobColor());
    const qreal r = kKnobWidth / 2.0;
    p.drawRoundedRect(QRectF(knob), r, r);
}

} // namespace dovrel
