#include "shell/FocusRingStyle.h"

#include "controls/FocusRing.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOption>

namespace dovrel {

FocusRingStyle::FocusRingStyle(QStyle* base) : QProxyStyle(base) {}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    if (element == PE_FrameFocusRect && qobject_cast<const QPushButton*>(widget) != nullptr)
        return;
    if (element == PE_FrameFocusRect && option != nullptr && painter != nullptr) {
        FocusRing::paint(*painter, QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && option != nullptr && painter != nullptr &&
        (option->state & State_HasFocus))
        FocusRing::paint(*painter, QRectF(option->rect).adjusted(2, 2, -2, -2), 3, 0);
}

} // namespace dovrel
