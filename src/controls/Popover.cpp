#include "controls/Popover.h"

#include <QGuiApplication>

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>

namespace dovrel {

namespace {

const QColor kPanel(0x2b, 0x2c, 0x33, 245);
const QColor kBorder(255, 255, 255, 40);

Qt::Edge opposite(Qt::Edge edge) {
    switch (edge) {
    case Qt::LeftEdge:
        return Qt::RightEdge;
    case Qt::RightEdge:
        return Qt::LeftEdge;
    case Qt::TopEdge:
        return Qt::BottomEdge;
    case Qt::BottomEdge:
        return Qt::TopEdge;
    }
    return Qt::LeftEdge;
}

} // namespace

Popover::Popover(QWidget* parent) : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Popover"));
    setAttribute(Qt::WA_TranslucentBackground);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, kPanel);
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe9, 0xf0));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe9, 0xf0));
    dark.setColor(QPalette::ButtonText, Qt::white);
    setPalette(dark);
}

void Popover::setContentView(QWidget* content) {
    if (content_ && content_ != content)
        content_->deleteLater();
    content_ = content;
    if (content_) {
        content_->setParent(this);
        if (!content_->testAttribute(Qt::WA_Resized))
            content_->resize(content_->sizeHint().expandedTo(QSize(1, 1)));
        content_->show();
    }
    layoutContent();
}

QRect Popover::panelRect() const {
    QRect r = rect();
    switch (edge_) {
    case Qt::LeftEdge:
        return r.adjusted(0, 0, -kArrow, 0);
    case Qt::RightEdge:
        return r.adjusted(kArrow, 0, 0, 0);
    case Qt::TopEdge:
        return r.adjusted(0, 0, 0, -kArrow);
    case Qt::BottomEdge:
        return r.adjusted(0, kArrow, 0, 0);
    }
    return r;
}

void Popover::layoutContent() {
    const QSize inner = content_ ? content_->size() : QSize(1, 1);
    const bool beside = edge_ == Qt::LeftEdge || edge_ == Qt::RightEdge;
    resize(inner + (beside ? QSize(kArrow, 0) : QSize(0, kArrow)));
    if (content_)
        content_->move(panelRect().topLeft());
}

void Popover::showRelativeToRect(const QRect& anchor, Qt::Edge preferredEdge) {
    const QSize inner = content_ ? content_->size() : QSize(1, 1);
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(-100000, -100000, 200000, 200000);

    auto fits = [&](Qt::Edge edge) {
        switch (edge) {
        case Qt::LeftEdge:
            return anchor.left() - inner.width() - kArrow >= room.left();
        case Qt::RightEdge:
            return anchor.right() + inner.width() + kArrow <= room.right();
        case Qt::TopEdge:
            return anchor.top() - inner.height() - kArrow >= room.top();
        case Qt::BottomEdge:
            return anchor.bottom() + inner.height() + kArrow <= room.bottom();
        }
        return true;
    };
    edge_ = fits(preferredEdge) || !fits(opposite(preferredEdge)) ? preferredEdge : opposite(preferredEdge);
    layoutContent();

    QPoint topLeft;
    switch (edge_) {
    case Qt::LeftEdge:
        tip_ = QPoint(anchor.left(), anchor.center().y());
        topLeft = QPoint(tip_.x() - width(), tip_.y() - height() / 2);
        break;
    case Qt::RightEdge:
        tip_ = QPoint(anchor.right() + 1, anchor.center().y());
        topLeft = QPoint(tip_.x(), tip_.y() - height() / 2);
        break;
    case Qt::TopEdge:
        tip_ = QPoint(anchor.center().x(), anchor.top());
        topLeft = QPoint(tip_.x() - width() / 2, tip_.y() - height());
        break;
    case Qt::BottomEdge:
        tip_ = QPoint(anchor.center().x(), anchor.bottom() + 1);
        topLeft = QPoint(tip_.x() - width() / 2, tip_.y());
        break;
    }
    // Slide along the edge to stay on the screen; the arrow keeps pointing.
    if (edge_ == Qt::LeftEdge || edge_ == Qt::RightEdge)
        topLeft.setY(std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    else
        topLeft.setX(std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - width())));
    move(topLeft);
    show();
    raise();
    if (content_)
        content_->setFocus(Qt::PopupFocusReason);
}

void Popover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(panelRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(panel, kRadius, kRadius);
    // The arrow, pointing at the tip (in local coordinates).
    const QPointF tip = mapFromGlobal(tip_);
    QPolygonF arrow;
    switch (edge_) {
    case Qt::LeftEdge:
        arrow << QPointF(panel.right() - 1, tip.y() - kArrow) << QPointF(width(), tip.y())
              << QPointF(panel.right() - 1, tip.y() + kArrow);
        break;
    case Qt::RightEdge:
        arrow << QPointF(panel.left() + 1, tip.y() - kArrow) << QPointF(0, tip.y())
              << QPointF(panel.left() + 1, tip.y() + kArrow);
        break;
    case Qt::TopEdge:
        arrow << QPointF(tip.x() - kArrow, panel.bottom() - 1) << QPointF(tip.x(), height())
              << QPointF(tip.x() + kArrow, panel.bottom() - 1);
        break;
    case Qt::BottomEdge:
        arrow << QPointF(tip.x() - kArrow, panel.top() + 1) << QPointF(tip.x(), 0)
              << QPointF(tip.x() + kArrow, panel.top() + 1);
        break;
    }
    QPainterPath arrowPath;
    arrowPath.addPolygon(arrow);
    arrowPath.closeSubpath();
    path = path.united(arrowPath);
    p.fillPath(path, kPanel);
    p.setPen(QPen(kBorder, 1));
    p.drawPath(path);
}

void Popover::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit closed();
}

void Popover::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace dovrel
