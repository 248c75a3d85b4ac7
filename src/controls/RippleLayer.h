#pragma once

#include <QObject>
#include <QPointF>

class QPainter;

namespace dovrel {

// The ripple under a GCheckButton's image, without a widget: a circle
// around the centre with a blue fill and a red outline 0.3 wide, fully
// transparent until played.
//
// play() sets fill and outline and lets `progress` run from 0 to 1; along it
// the radius grows linearly from 7 to the end radius and the opacity falls
// from 0.8 to 0.2, both holding their end values. finish() makes fill and
// outline clear again, so a ripple at its end values draws nothing.
class RippleLayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(qreal progress READ progress WRITE setProgress NOTIFY changed)
public:
    static constexpr qreal kStartRadius = 7.0;
    static constexpr qreal kStartOpacity = 0.8;
    static constexpr qreal kEndOpacity = 0.2;
    static constexpr qreal kOutlineWidth = 0.3;

    explicit RippleLayer(QObject* parent = nullptr);

    // The radius a ripple grows to in bounds `width` wide: half the width
    // less 2, cut towards zero to a whole number.
    static qreal endRadiusFor(qreal width);

    void play(qreal endRadius);
    void finish();

    qreal progress() const { return progress_; }
    void setProgress(qreal progress);
    qreal radius() const;
    qreal opacity() const;
    // Fill and outline are set (between play() and finish()).
    bool isPainted() const { return painted_; }

    void paint(QPainter& painter, const QPointF& centre) const;

signals:
    void changed();

private:
    qreal progress_ = 0;
    qreal endRadius_ = kStartRadius;
    bool painted_ = false;
};

} // namespace dovrel
