#include "controls/VisibilityPause.h"

#include <QAbstractAnimation>
#include <QEvent>
#include <QWidget>

namespace dovrel {

VisibilityPause::VisibilityPause(QWidget* widget) : QObject(widget), widget_(widget) {
    setObjectName(QStringLiteral("dovrel-visibility-pause"));
    widget->installEventFilter(this);
}

void VisibilityPause::attach(QWidget* widget, QAbstractAnimation* animation) {
    if (widget == nullptr || animation == nullptr)
        return;
    auto* pause = widget->findChild<VisibilityPause*>(QStringLiteral("dovrel-visibility-pause"),
                                                      Qt::FindDirectChildrenOnly);
    if (pause == nullptr)
        pause = new VisibilityPause(widget);
    pause->animations_.removeAll(nullptr);
    pause->animations_.append(animation);
    if (!widget->isVisible() && animation->state() == QAbstractAnimation::Running)
        animation->pause();
}

void VisibilityPause::setRunning(bool running) {
    animations_.removeAll(nullptr);
    for (const QPointer<QAbstractAnimation>& animation : animations_) {
        if (running && animation->state() == QAbstractAnimation::Paused)
            animation->resume();
        else if (!running && animation->state() == QAbstractAnimation::Running)
            animation->pause();
    }
}

bool VisibilityPause::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget_) {
        // A minimised window's widgets get (spontaneous) hide events but stay
        // "visible"; go by the events.
        if (event->type() == QEvent::Hide)
            setRunning(false);
        else if (event->type() == QEvent::Show)
            setRunning(true);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dovrel
