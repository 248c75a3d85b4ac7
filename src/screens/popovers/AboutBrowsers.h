#pragma once

#include "screens/popovers/AboutPopover.h"

#include <QPointF>
#include <QSizeF>

namespace dovrel {

// The information popover of the "browsers" category ("AboutBrowsers"). Its
// button opens the browser-selection window ("SelectBrowsers").
class AboutBrowsers : public AboutPopover {
    Q_OBJECT
public:
    explicit AboutBrowsers(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    // Instantiates "SelectBrowsers" from this popover's storyboard, stores
    // in the application delegate's modalOrigin where it is to appear
    // (modalOrigin() of its size, against the main window), presents it as a
    // modal window and closes the popup this popover sits in. Nothing
    // happens when the storyboard has no such screen.
    void show(QObject* sender) override;
    using QWidget::show;

    // The point, in the main window's own coordinates, at which a window of
    // `size` is to appear: ((420 - w) / 2, (680 - h) / 2).
    static QPointF modalOrigin(const QSizeF& size);
    // The application's main window, or null.
    static QWidget* mainWindow();
};

} // namespace dovrel
