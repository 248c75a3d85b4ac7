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
    // (modalOrigin() of its size over the main window), presents it as a
    // modal window and closes the popup this popover sits in. Nothing
    // happens when the storyboard has no such screen.
    void show(QObject* sender) override;
    using QWidget::show;
    // Names only the browsers of the last scan's home layout (no Safari on
    // a Linux home).
    void viewDidLoad() override;

    // The screen point at which a window of `size` is to appear: centred
    // over `main` (whatever size the user gave it) and inside the screen's
    // available area. Without a main window, centred on the primary screen.
    static QPointF modalOrigin(const QSizeF& size, QWidget* main);
    // The application's main window, or null.
    static QWidget* mainWindow();
};

} // namespace dovrel
