#pragma once

#include <QWidget>

namespace dovrel {

class ProgressRing;

// The scan screen's progress ring: a thin widget around a ProgressRing.
// Screens set the filled fraction through progress()->setStrokeEnd() or
// animate its "strokeEnd" property; the view itself never changes it, so
// a ring that is never set stays empty over its track.
class SmartProgressView : public QWidget {
    Q_OBJECT
public:
    explicit SmartProgressView(QWidget* parent = nullptr);

    // The progress layer. Owned by the view.
    ProgressRing* progress() const { return progress_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressRing* progress_;
};

} // namespace dovrel
