#include "controls/RtlMirror.h"

#include <QChildEvent>
#include <QGuiApplication>
#include <QWidget>

namespace dovrel {

void RtlMirror::install(QWidget* container) {
    if (QGuiApplication::layoutDirection() != Qt::RightToLeft || container == nullptr)
        return;
    new RtlMirror(container);
}

RtlMirror::RtlMirror(QWidget* container) : QObject(container), container_(container) {
    container_->installEventFilter(this);
    for (QObject* child : container_->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            watch(w);
}

void RtlMirror::watch(QWidget* child) {
    child->installEventFilter(this);
    spots_[child] = {child->pos(), child->pos()};
    place(child);
}

void RtlMirror::place(QWidget* child) {
    Spot& spot = spots_[child];
    const QPoint mirrored(container_->width() - spot.logical.x() - child->width(), spot.logical.y());
    spot.shown = mirrored;
    if (child->pos() != mirrored)
        child->move(mirrored);
}

bool RtlMirror::eventFilter(QObject* watched, QEvent* event) {
    if (watched == container_) {
        if (event->type() == QEvent::ChildAdded) {
            auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
            if (w && !w->isWindow() && !spots_.count(w))
                watch(w);
        } else if (event->type() == QEvent::ChildRemoved) {
            // The child may be half destroyed already: compared as an object only.
            const QObject* gone = static_cast<QChildEvent*>(event)->child();
            std::erase_if(spots_,
                          [gone](const auto& spot) { return static_cast<QObject*>(spot.first) == gone; });
        } else if (event->type() == QEvent::Resize) {
            for (auto& [child, spot] : spots_)
                place(child);
        }
        return false;
    }
    auto* child = static_cast<QWidget*>(watched);
    const auto it = spots_.find(child);
    if (it == spots_.end())
        return false;
    if (event->type() == QEvent::Move && child->pos() != it->second.shown) {
        // The placing code moved it: that is the new left-to-right spot.
        it->second.logical = child->pos();
        place(child);
    } else if (event->type() == QEvent::Resize) {
        place(child);
    }
    return false;
}

} // namespace dovrel
