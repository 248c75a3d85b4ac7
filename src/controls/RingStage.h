#pragma once

#include <QWidget>

class QLabel;

namespace dovrel {

class SmartProgressView;
class TransitionLabel;

// The fixed 760x480 stage of the scan and cleanup progress screens: the
// progress ring near the top, a category image above the ring's centre,
// the running figure (`smart_size`) in the ring and the current step
// (`smart_item`) under it. A screen owns one, adds its caption line and
// keeps it centred with centreIn().
class RingStage : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{760, 480};

    explicit RingStage(QWidget* parent = nullptr);

    SmartProgressView* progressView() const { return progressView_; }
    QLabel* image() const { return image_; }
    TransitionLabel* smart_size() const { return smart_size_; }
    TransitionLabel* smart_item() const { return smart_item_; }

    // A caption line under smart_item.
    QLabel* addCaption(const QString& text);

    // Places the stage in the middle of an area of the given size.
    void centreIn(const QSize& area);

    // Makes the label's next text change move in from the top (0.3 s,
    // ease-in-ease-out).
    static void moveInFromTop(TransitionLabel* label);

private:
    SmartProgressView* progressView_;
    QLabel* image_;
    TransitionLabel* smart_size_;
    TransitionLabel* smart_item_;
};

} // namespace dovrel
