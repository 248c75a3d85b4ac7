#include "controls/GCheckButton.h"

#include "controls/Animator.h"
#include "controls/FocusRing.h"
#include "controls/RippleLayer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace dovrel {

const char* const GCheckButton::kRippleKey = "AnimationCheck";

namespace {
constexpr int kSquare = 32;
constexpr int kGap = 6;
const QColor kGreen(0, 224, 69);
} // namespace

GCheckButton::GCheckButton(QWidget* parent) : QCheckBox(parent) {
    setup({});
}

GCheckButton::GCheckButton(const QString& text, QWidget* parent, const QPixmap& image)
    : QCheckBox(text, parent) {
    setup(image);
}

void GCheckButton::setup(const QPixmap& image) {
    shape_ = new RippleLayer(this);
    imageLayer_ = image;
    setTristate(false);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    connect(shape_, &RippleLayer::changed, this, qOverload<>(&QWidget::update));
}

QRectF GCheckButton::checkRect() const {
    const qreal side = std::min(height(), text().isEmpty() ? width() : height());
    if (text().isEmpty())
        return {(width() - side) / 2.0, (height() - side) / 2.0, side, side};
    return {0, (height() - side) / 2.0, side, side};
}

QRect GCheckButton::imageRect() const {
    const QPointF c = checkRect().center();
    return {static_cast<int>(std::round(c.x() - kImageSide / 2.0)),
            static_cast<int>(std::round(c.y() - kImageSide / 2.0)), kImageSide, kImageSide};
}

QSize GCheckButton::sizeHint() const {
    const int textWidth = text().isEmpty() ? 0 : kGap + fontMetrics().horizontalAdvance(text());
    return {kSquare + textWidth, kSquare};
}

bool GCheckButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void GCheckButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QCheckBox::mousePressEvent(event);
}

void GCheckButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    QCheckBox::mouseReleaseEvent(event);
    if (wasPressed)
        playRipple();
}

void GCheckButton::keyReleaseEvent(QKeyEvent* event) {
    const bool click = event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown();
    QCheckBox::keyReleaseEvent(event);
    if (click)
        playRipple();
}

void GCheckButton::playRipple() {
    shape_->play(RippleLayer::endRadiusFor(checkRect().width()));
    RippleLayer* ripple = shape_;
    Animator::basic(
        shape_, "progress", 0.0, 1.0, kRippleMs, QEasingCurve::Linear, [ripple] { ripple->finish(); },
        QString::fromLatin1(kRippleKey));
}

void GCheckButton::paintCheckImage(QPainter& p, const QRect& box) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(box).adjusted(3, 3, -3, -3);
    if (!isChecked()) {
        p.setPen(QPen(QColor(255, 255, 255, 190), 1.5));
        p.setBrush(QColor(255, 255, 255, 18));
        p.drawRoundedRect(r, 4, 4);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawRoundedRect(r, 4, 4);
        QPainterPath mark;
        mark.moveTo(r.left() + r.width() * 0.24, r.top() + r.height() * 0.52);
        mark.lineTo(r.left() + r.width() * 0.43, r.top() + r.height() * 0.72);
        mark.lineTo(r.left() + r.width() * 0.78, r.top() + r.height() * 0.30);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mark);
    }
    p.restore();
}

void GCheckButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        p.setOpacity(0.45);
    const QRectF square = checkRect();
    shape_->paint(p, square.center());
    const QRect image = imageRect();
    if (!imageLayer_.isNull())
        p.drawPixmap(image, imageLayer_);
    else
        paintCheckImage(p, image);
    if (!text().isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        const QRectF textRect(square.right() + kGap, 0, width() - square.right() - kGap, height());
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    if (hasFocus())
        FocusRing::paint(p, QRectF(image).adjusted(3, 3, -3, -3), 4);
}

} // namespace dovrel
