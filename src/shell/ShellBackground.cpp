#include "shell/ShellBackground.h"

#include "controls/Animator.h"
#include "platform/gui/HexColor.h"

#include <QPainter>

namespace dovrel {

ShellBackground::ShellBackground(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("animationView"));
}

void ShellBackground::setGlow(qreal glow) {
    glow_ = glow;
    update();
}

void ShellBackground::play(const QString& kind, qreal glow, int milliseconds) {
    last_ = kind;
    ++count_;
    Animator::basic(this, "glow", QVariant(), glow, milliseconds, QEasingCurve::InOutSine, {},
                    QStringLiteral("glow"));
}

void ShellBackground::animation_for_home_view() {
    play(QStringLiteral("home"), 0.75, 2000);
}
void ShellBackground::animation_for_scan_view() {
    play(QStringLiteral("scan"), 0.5, 1000);
}
void ShellBackground::animation_for_page_view() {
    play(QStringLiteral("page"), 0.2, 200);
}
void ShellBackground::animation_for_delete_view() {
    play(QStringLiteral("delete"), 0.5, 1000);
}
void ShellBackground::animation_for_cleaned_view() {
    play(QStringLiteral("cleaned"), 0.6, 500);
}

void ShellBackground::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r(rect());
    const QColor base = HexColor::colorFromHexString(QStringLiteral("515360"));
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, base.lighter(112));
    shade.setColorAt(1, base.darker(135));
    p.fillRect(r, shade);

    QRadialGradient light(QPointF(r.left() + r.width() * glow_, r.top() + r.height() * 0.42),
                          r.width() * 0.55);
    QColor c = HexColor::colorFromHexString(QStringLiteral("2bbcff"));
    c.setAlphaF(0.16f);
    light.setColorAt(0, c);
    c.setAlphaF(0);
    light.setColorAt(1, c);
    p.fillRect(r, light);
}

} // namespace dovrel
