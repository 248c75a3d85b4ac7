#pragma once

#include <QPainterPath>
#include <QPointer>
#include <QWidget>

namespace dovrel {

// A small transient window attached to a control, the stand-in for a popover
// with the vibrant dark appearance: a dark rounded panel with an arrow that
// points at the control. It closes when the user clicks anywhere outside it
// (or presses Escape) and then stays hidden; whoever keeps it decides when it
// is deleted.
//
//   preferred edge Qt::LeftEdge (minimum x):
//
//        +-----------+
//        |  content  |>  [control]
//        +-----------+
//
// The content area takes the size of the content view (its size when it was
// given one, else its size hint). Without room on the preferred side the
// popover opens on the opposite side; it is kept on the control's screen.
//
// Its rounded corners and the sides of the arrow are see-through where the
// windowing system composes windows with their alpha channel. Where it does
// not (X11 without a compositing manager shows such pixels black), the
// popover is an opaque window cut to the panel's shape instead.
class Popover : public QWidget {
    Q_OBJECT
public:
    static constexpr int kArrow = 10;
    static constexpr int kRadius = 8;

    explicit Popover(QWidget* parent = nullptr);

    // Takes the content (reparented into the popover).
    void setContentView(QWidget* content);
    QWidget* contentView() const { return content_; }

    // Shows the popover next to `anchor` (global coordinates) on the preferred
    // edge: Qt::LeftEdge or Qt::RightEdge (beside the control), Qt::TopEdge or
    // Qt::BottomEdge (above or below it).
    void showRelativeToRect(const QRect& anchor, Qt::Edge preferredEdge);

    // The edge of the anchor the popover was shown at, and the point of the
    // arrow in global coordinates.
    Qt::Edge shownEdge() const { return edge_; }
    QPoint arrowTip() const { return tip_; }

    // Whether this popover draws into a window with an alpha channel (else
    // it is opaque and cut to its shape). Chosen when it is made, from
    // windowsHaveAlpha(); set it before the popover is first shown.
    bool isTranslucent() const { return translucent_; }
    void setTranslucent(bool translucent);

    // Whether windows on this display are composed with their alpha channel:
    // on X11 only while a compositing manager runs (it owns the
    // _NET_WM_CM_S<screen> selection); other window systems always do.
    static bool windowsHaveAlpha();

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect panelRect() const;
    // The rounded panel and its arrow, in local coordinates.
    QPainterPath shape() const;
    void layoutContent();
    void updateMask();

    QPointer<QWidget> content_;
    Qt::Edge edge_ = Qt::LeftEdge;
    QPoint tip_;
    bool translucent_ = true;
};

} // namespace dovrel
