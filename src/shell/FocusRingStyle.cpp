#include "shell/FocusRingStyle.h"

#include "controls/FocusRing.h"

#include <QPainter>
#include <QStyleOption>

namespace dovrel {

FocusRingStyle::FocusRingStyle(QStyle* base) : QProxyStyle(base) {}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    if (element == PE_FrameFocusRect && option != nullptr && painter != nullptr) {
        FocusRing::paint(*painter, QRectF(option->rect).adjusted(1, 1, -1, -1), 3, 0);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

} // namespace dovrel
