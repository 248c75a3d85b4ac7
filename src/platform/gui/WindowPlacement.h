#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace dovrel {

// Where a secondary window (preview, information, a modal choice) opens: over
// the window it belongs to, centred on it, and wholly inside the screen's
// available area, shifted in when the centred place would run off it. A
// window larger than the area keeps its top-left corner inside the area.
class WindowPlacement {
public:
    // The frame of a window of `size` centred on `anchor`, then moved inside
    // `available`.
    static QRect centredOver(const QSize& size, const QRect& anchor, const QRect& available);

    // Makes `window` a transient of `anchor`'s window (a dialog-type window
    // whose parent is that window, so the desktop keeps it above its owner)
    // and moves it to the
    // centred place on the anchor's screen. Call before showing it. A null
    // anchor centres the window on the primary screen instead.
    static void placeOver(QWidget* window, QWidget* anchor);
};

} // namespace dovrel
