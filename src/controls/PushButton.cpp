#include "controls/PushButton.h"

#include "controls/Animator.h"
#include "controls/FocusRing.h"

#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace dovrel {

const char* const PushButton::kKey = "key#1";

PushButton::PushButton(QWidget* parent) : QPushButton(parent) {
    setup();
}

PushButton::PushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setup();
}

void PushButton::setup() {
    backgroundColor_ = QColor::fromRgbF(1, 1, 1, 0.9f);
    buttonColor_ = QColor::fromRgbF(1, 1, 1, 0.8f);
    pushColor_ = QColor::fromRgbF(0.5f, 0.5f, 0.5f, 0.8f);
    shadowColor_ = QColor::fromRgbF(0, 224 / 255.0f, 69 / 255.0f, 0.2f);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(shadowColor_);
    shadow->setBlurRadius(4);
    shadow->setOffset(1, 2);
    setGraphicsEffect(shadow);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void PushButton::setBackgroundColor(const QColor& color) {
    backgroundColor_ = color;
    update();
}

QSize PushButton::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(text()) + 36, fm.height() + 16};
}

void PushButton::press() {
    setDown(true);
    emit pressed();
    Animator::basic(this, "backgroundColor", QVariant(), pushColor_, kPressMs, QEasingCurve::Linear, {},
                    QString::fromLatin1(kKey));
    emit clicked(isChecked());
}

void PushButton::release() {
    setDown(false);
    emit released();
    Animator::basic(this, "backgroundColor", QVariant(), buttonColor_, kReleaseMs, QEasingCurve::Linear, {},
                    QString::fromLatin1(kKey));
}

void PushButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    press();
}

void PushButton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void PushButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isDown()) {
        event->ignore();
        return;
    }
    event->accept();
    release();
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat() && !isDown())
            press();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PushButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat() && isDown())
            release();
        event->accept();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void PushButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(rect()).adjusted(3, 3, -3, -3);
    if (!isEnabled())
        p.setOpacity(0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(backgroundColor_);
    p.drawRoundedRect(bounds, kRadius, kRadius);
    p.setPen(QColor(0x2c, 0x2d, 0x33));
    p.drawText(bounds, Qt::AlignCenter, text());
    if (hasFocus())
        FocusRing::paint(p, bounds, kRadius, 1);
}

} // namespace dovrel
