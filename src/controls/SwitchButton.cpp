#include "controls/SwitchButton.h"

#include "controls/Animator.h"
#include "controls/FocusRing.h"
#include "controls/SwitchLayer.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>

namespace dovrel {

const char* const SwitchButton::kPointerInKey = "key#1";
const char* const SwitchButton::kPointerOutKey = "key#2";
const char* const SwitchButton::kBackgroundKey = "key#4";
const char* const SwitchButton::kStateRadiusKey = "key#5";

namespace {
constexpr int kGap = 10;
constexpr int kMargin = 4; // room for the focus ring
} // namespace

SwitchButton::SwitchButton(QWidget* parent) : QCheckBox(parent) {
    setup();
}

SwitchButton::SwitchButton(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    setup();
}

void SwitchButton::setup() {
    layer_ = new SwitchLayer(this);
    setTristate(false);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    connect(layer_, &SwitchLayer::changed, this, qOverload<>(&QWidget::update));
    connect(this, &QCheckBox::toggled, this, &SwitchButton::stateChanged);
}

QRectF SwitchButton::boxRect() const {
    const qreal side = SwitchLayer::kSide;
    return {kMargin, (height() - side) / 2.0, side, side};
}

QSize SwitchButton::sizeHint() const {
    const int box = static_cast<int>(SwitchLayer::kSide) + 2 * kMargin;
    const int textWidth = text().isEmpty() ? 0 : kGap + fontMetrics().horizontalAdvance(text());
    return {box + textWidth, std::max(box, fontMetrics().height() + 4)};
}

bool SwitchButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

bool SwitchButton::event(QEvent* event) {
    // Handled before QWidget::event(), which drops mouse events of a
    // disabled widget: a disabled switch still sends its action.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            event->accept();
            press();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        event->accept();
        return true;
    default:
        break;
    }
    return QCheckBox::event(event);
}

void SwitchButton::press() {
    if (isEnabled())
        setChecked(!isChecked());
    emit clicked(isChecked());
}

void SwitchButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            press();
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void SwitchButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QCheckBox::keyReleaseEvent(event);
}

void SwitchButton::enterEvent(QEnterEvent* event) {
    mouseInside_ = true;
    if (!isChecked())
        animateRadius(SwitchLayer::kRoundRadius, kPointerInKey);
    QCheckBox::enterEvent(event);
}

void SwitchButton::leaveEvent(QEvent* event) {
    mouseInside_ = false;
    if (!isChecked())
        animateRadius(SwitchLayer::kRestRadius, kPointerOutKey);
    QCheckBox::leaveEvent(event);
}

void SwitchButton::stateChanged(bool on) {
    const QString background = QString::fromLatin1(kBackgroundKey);
    if (on) {
        Animator::basic(layer_, "backgroundColor", QVariant(), SwitchLayer::onColor(), kDurationMs,
                        QEasingCurve::Linear, {}, background);
        animateRadius(SwitchLayer::kRoundRadius, kStateRadiusKey);
    } else {
        Animator::basic(layer_, "backgroundColor", QVariant(), SwitchLayer::clearColor(), kDurationMs,
                        QEasingCurve::Linear, {}, background);
        animateRadius(mouseInside_ ? SwitchLayer::kRoundRadius : SwitchLayer::kRestRadius, kStateRadiusKey);
    }
}

void SwitchButton::animateRadius(qreal to, const char* key) {
    for (const char* other : {kPointerInKey, kPointerOutKey, kStateRadiusKey})
        if (other != key)
            Animator::stop(layer_, QString::fromLatin1(other));
    Animator::basic(layer_, "cornerRadius", QVariant(), to, kDurationMs, QEasingCurve::Linear, {},
                    QString::fromLatin1(key));
}

void SwitchButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        p.setOpacity(0.45);
    const QRectF box = boxRect();
    layer_->paint(p, box);
    if (!text().isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        const QRectF textRect(box.right() + kGap, 0, width() - box.right() - kGap, height());
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    if (hasFocus())
        FocusRing::paint(p, box, layer_->cornerRadius());
}

} // namespace dovrel
