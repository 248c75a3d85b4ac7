#pragma once

#include <QString>

class QWidget;

namespace dovrel {

class AppDelegate;
class Popover;
class Screen;

// Opens the popover of a results category's about button: the controller
// registered in the owner's storyboard under `identifier` ("AboutCaches",
// ...), loaded (viewDidLoad), sized to its own size (resize() it in its
// constructor or viewDidLoad; else its size hint), put into a transient
// dark Popover attached at the anchor's left edge, and told viewWillAppear
// and viewDidAppear. The content is released when the popover closes.
//
// Ownership: the delegate keeps the popover alive (AppDelegate::activePopover)
// until the next popover replaces it; without a delegate it goes with the
// owner's lifetime().
class AboutPopoverOpener {
public:
    // The popover opened, or nullptr when nothing is registered under
    // `identifier` (nothing opens then).
    static Popover* open(const Screen& owner, const QString& identifier, QWidget* anchor,
                         AppDelegate* delegate);
};

} // namespace dovrel
