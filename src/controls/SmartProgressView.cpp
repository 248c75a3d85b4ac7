#include "controls/SmartProgressView.h"

#include "controls/ProgressRing.h"

#include <QPainter>

namespace dovrel {

SmartProgressView::SmartProgressView(QWidget* parent) : QWidget(parent), progress_(new ProgressRing(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    connect(progress_, &ProgressRing::changed, this, qOverload<>(&QWidget::update));
    setMinimumSize(sizeHint());
}

QSize SmartProgressView::sizeHint() const {
    const int side = static_cast<int>(2 * ProgressRing::kRadius + 2 * ProgressRing::kProgressWidth + 4);
    return {side, side};
}

void SmartProgressView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    progress_->paint(painter, QRectF(rect()));
}

} // namespace dovrel
