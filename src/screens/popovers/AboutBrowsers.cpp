#include "screens/popovers/AboutBrowsers.h"

#include "shell/AppDelegate.h"
#include "shell/CleanerWindowController.h"

#include <QApplication>

namespace dovrel {

AboutBrowsers::AboutBrowsers(std::function<Cleaner*()> cleaner, QWidget* parent)
    : AboutPopover(
          tr("Browsers"),
          tr("Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. "
             "Removing them leaves your bookmarks, history and passwords alone, but websites may "
             "sign you out and forget their settings. Browsers fill this storage again as you browse."),
          tr("Choose Browsers…"), std::move(cleaner), parent) {
    setObjectName(QStringLiteral("AboutBrowsers"));
}

QPointF AboutBrowsers::modalOrigin(const QSizeF& size) {
    return QPointF((420 - size.width()) * 0.5, (680 - size.height()) * 0.5);
}

QWidget* AboutBrowsers::mainWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<CleanerWindowController*>(top))
            return main;
    return nullptr;
}

void AboutBrowsers::show(QObject* sender) {
    Q_UNUSED(sender);
    std::unique_ptr<Screen> select =
        storyboard().instantiateControllerWithIdentifier(QStringLiteral("SelectBrowsers"));
    if (!select)
        return;
    select->loadViewIfNeeded();
    const QPointF origin = modalOrigin(QSizeF(select->size()));
    if (AppDelegate* delegate = AppDelegate::shared()) {
        QWidget* main = mainWindow();
        delegate->modalOrigin = main ? QPointF(main->mapToGlobal(origin.toPoint())) : origin;
    }
    presentViewControllerAsModalWindow(std::move(select));
    // A transient popover closes when the user turns to another window.
    if (window()->windowType() == Qt::Popup)
        window()->close();
}

} // namespace dovrel
