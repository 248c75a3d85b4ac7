#include "controls/Popover.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <QtGui/qguiapplication_platform.h>
#if DOVREL_HAVE_XCB && QT_CONFIG(xcb)
#define DOVREL_ASK_X11 1
#include <xcb/xcb.h>
#endif

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
    setTranslucent(windowsHaveAlpha());
    QPalette dark = palette();
    dark.setColor(QPalette::Window, kPanel);
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe9, 0xf0));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe9, 0xf0));
    dark.setColor(QPalette::ButtonText, Qt::white);
    setPalette(dark);
}

bool Popover::windowsHaveAlpha() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
#ifdef DOVREL_ASK_X11
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return false;
    // One selection per X screen; this application draws on one of them, and
    // a compositing manager composes every screen it runs on.
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection));
    for (int n = 0; n < screens; ++n) {
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(n);
        // Only if it exists: no compositing manager ever ran without it.
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.constData()),
            nullptr);
        const xcb_atom_t selection = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(atom);
        if (selection == XCB_ATOM_NONE)
            continue;
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, selection), nullptr);
        const bool owned = owner != nullptr && owner->owner != XCB_NONE;
        std::free(owner);
        if (owned)
            return true;
    }
#endif
    return false;
}

void Popover::setTranslucent(bool translucent) {
    translucent_ = translucent;
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    updateMask();
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
    updateMask();
}

void Popover::updateMask() {
    // Opaque, the window shows only its shape (the edges are not blended:
    // there is nothing to blend with).
    if (translucent_)
        clearMask();
    else
        setMask(QRegion(shape().toFillPolygon().toPolygon()));
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
    updateMask(); // the arrow moved with the tip
    show();
    raise();
    if (content_)
        content_->setFocus(Qt::PopupFocusReason);
}

QPainterPath Popover::shape() const {
    const QRectF panel = QRectF(panelRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(panel, kRadius, kRadius);
    // The arrow, pointing at the tip (in local coordinates).
    const QPointF tip = tip_ - geometry().topLeft();
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
    return path.united(arrowPath);
}

void Popover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = shape();
    // Opaque, the pixels along the shape's edge have nothing behind them.
    if (!translucent_)
        p.fillRect(rect(), QColor(kPanel.rgb()));
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
