#include "screens/results/AboutPopoverOpener.h"

#include "controls/Popover.h"
#include "shell/AppDelegate.h"
#include "shell/Screen.h"

#include <memory>

namespace dovrel {

Popover* AboutPopoverOpener::open(const Screen& owner, const QString& identifier, QWidget* anchor,
                                  AppDelegate* delegate) {
    std::unique_ptr<Screen> controller = owner.storyboard().instantiateControllerWithIdentifier(identifier);
    if (!controller)
        return nullptr;
    controller->loadViewIfNeeded();
    Screen* content = controller.release();
    auto* popover = new Popover;
    popover->setObjectName(identifier + QStringLiteral("Popover"));
    popover->setAccessibleName(content->accessibleName().isEmpty() ? content->windowTitle()
                                                                   : content->accessibleName());
    popover->setContentView(content);
    QObject::connect(popover, &Popover::closed, content, [content] { content->release(); });
    // Kept alive by the delegate until the next popover replaces it; without
    // a delegate the popover goes with the owner.
    if (delegate != nullptr)
        delegate->activePopover.reset(popover);
    else if (owner.lifetime() != nullptr)
        QObject::connect(owner.lifetime(), &QObject::destroyed, popover, &QObject::deleteLater);
    content->viewWillAppear();
    popover->showRelativeToRect(QRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size()), Qt::LeftEdge);
    content->viewDidAppear();
    return popover;
}

} // namespace dovrel
