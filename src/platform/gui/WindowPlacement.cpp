#include "platform/gui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace dovrel {

QRect WindowPlacement::centredOver(const QSize& size, const QRect& anchor, const QRect& available) {
    QRect frame(QPoint(), size);
    frame.moveCenter(anchor.center());
    if (available.isEmpty())
        return frame;
    // Right and bottom first, so that a window larger than the area ends
    // with its top-left corner (and its title bar) inside it.
    const int x = std::max(std::min(frame.x(), available.right() + 1 - frame.width()), available.x());
    const int y = std::max(std::min(frame.y(), available.bottom() + 1 - frame.height()), available.y());
    frame.moveTopLeft(QPoint(x, y));
    return frame;
}

void WindowPlacement::placeOver(QWidget* window, QWidget* anchor) {
    if (window == nullptr)
        return;
    QWidget* owner = anchor ? anchor->window() : nullptr;
    if (owner == window)
        owner = nullptr;
    if (owner && window->parentWidget() != owner) {
        const bool wasVisible = window->isVisible();
        // A dialog-type window: X11 window managers learn whose transient it
        // is only for those (WM_TRANSIENT_FOR), and keep it above its owner.
        window->setParent(owner, (window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
        if (wasVisible)
            window->show();
    }
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (owner && owner->isVisible())
        if (QScreen* at = QGuiApplication::screenAt(owner->frameGeometry().center()))
            screen = at;
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect anchorFrame = owner ? owner->frameGeometry() : available;
    // The frame is not known before the window was shown once: then room is
    // left for a title bar and borders of the usual size.
    QSize frameExtra = window->frameGeometry().size() - window->size();
    if (!window->testAttribute(Qt::WA_WState_Created) || frameExtra.isNull()) {
        const int border = 4;
        frameExtra = frameExtra.expandedTo(
            QSize(2 * border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border));
    }
    if (!available.isEmpty()) {
        const QSize room = available.size() - frameExtra;
        if (window->width() > room.width() || window->height() > room.height())
            window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    }
    const QRect frame = centredOver(window->size() + frameExtra, anchorFrame, available);
    window->move(frame.topLeft());
}

} // namespace dovrel
