#pragma once

#include <QEasingCurve>
#include <QLabel>
#include <QPixmap>

namespace dovrel {

// A label whose next text change can be animated: addTransition() takes a
// picture of what is shown now, and the following setText() plays the
// change from that picture to the new text.
//  - Fade: the old picture fades out, then the new text fades in.
//  - MoveInFromTop: the new text moves in from above while the old one
//    fades out in the first third.
// The pictures hold only the text, never a background, so nothing but the
// glyphs covers what lies behind the label.
// Without a pending transition setText() simply changes the text.
class TransitionLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(qreal transitionProgress READ transitionProgress WRITE setTransitionProgress)
public:
    enum class Kind { Fade, MoveInFromTop };

    explicit TransitionLabel(QWidget* parent = nullptr);

    void addTransition(Kind kind, int milliseconds, QEasingCurve easing = QEasingCurve::InOutQuad);
    // Sets the text; plays the pending transition, if any.
    void setText(const QString& text);

    bool hasPendingTransition() const { return pending_; }
    bool isTransitioning() const { return progress_ < 1; }
    qreal transitionProgress() const { return progress_; }
    void setTransitionProgress(qreal progress);

    // How opaque the old and the new picture are at a point of a transition.
    static qreal oldOpacity(Kind kind, qreal progress);
    static qreal freshOpacity(Kind kind, qreal progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture();

    Kind kind_ = Kind::Fade;
    int duration_ = 0;
    QEasingCurve easing_;
    bool pending_ = false;
    qreal progress_ = 1;
    QPixmap old_;
    QPixmap fresh_;
    bool grabbing_ = false;
};

} // namespace dovrel
