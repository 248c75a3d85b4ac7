#include "controls/TextFit.h"

#include <QFontMetrics>
#include <QLabel>

namespace dovrel {

void TextFit::shrinkToWidth(QLabel* label, int smallestPixelSize) {
    label->ensurePolished(); // the style sheet's font first
    QFont font = label->font();
    const int room = label->contentsRect().width();
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    while (size > smallestPixelSize && QFontMetrics(font).horizontalAdvance(label->text()) > room) {
        font.setPixelSize(--size);
    }
    if (font != label->font())
        // A rule of the label's own: the application's style sheet would
        // otherwise set its size back.
        label->setStyleSheet(QStringLiteral("font-size: %1px;").arg(size));
}

} // namespace dovrel
