#include "controls/DVTShadowLabel.h"

#include <QGraphicsDropShadowEffect>

namespace dovrel {

DVTShadowLabel::DVTShadowLabel(QWidget* parent) : QLabel(parent) {
    setup();
}

DVTShadowLabel::DVTShadowLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setup();
}

void DVTShadowLabel::setup() {
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor::fromRgbF(0, 0, 0, 0.3f));
    shadow->setBlurRadius(3);
    shadow->setOffset(2, -1);
    setGraphicsEffect(shadow);
}

} // namespace dovrel
