#pragma once

#include <QCheckBox>
#include <QPixmap>

namespace dovrel {

class RippleLayer;

// A check button drawn as a 24 x 24 image centred in the square at its left
// edge (the whole button when it has no title), the title beside it, and a
// ripple under the image.
//
// A press is handled as by any check button (it follows the pointer until
// release, then toggles and sends `clicked`); after that, whatever the
// release did, the ripple plays over 0.35 s, linear, under the key
// "AnimationCheck": from radius 7 to (square side / 2 - 2, cut to a whole
// number) while its opacity goes from 0.8 to 0.2. When it ends it turns
// clear. A second press while it runs restarts it.
//
// The image is the one given at setup; without one, the button draws the
// application's check mark image for its state.
class GCheckButton : public QCheckBox {
    Q_OBJECT
public:
    static constexpr int kImageSide = 24;
    static constexpr int kRippleMs = 350;
    static const char* const kRippleKey; // "AnimationCheck"

    explicit GCheckButton(QWidget* parent = nullptr);
    explicit GCheckButton(const QString& text, QWidget* parent = nullptr, const QPixmap& image = {});

    RippleLayer* shape() const { return shape_; }
    // The square holding the image and the ripple.
    QRectF checkRect() const;
    // The image's place: 24 x 24 centred in checkRect(), origin on whole pixels.
    QRect imageRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void setup(const QPixmap& image);
    void playRipple();
    void paintCheckImage(QPainter& painter, const QRect& box) const;

    RippleLayer* shape_ = nullptr;
    QPixmap imageLayer_;
    bool pressed_ = false;
};

} // namespace dovrel
