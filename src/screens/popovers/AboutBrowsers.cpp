#include "screens/popovers/AboutBrowsers.h"

#include "engine/Cleaner.h"
#include "platform/gui/WindowPlacement.h"
#include "shell/AppDelegate.h"
#include "shell/CleanerWindowController.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

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

void AboutBrowsers::viewDidLoad() {
    const Cleaner* cleaner = engine();
    if (cleaner == nullptr || cleaner->layout != HomeLayout::Kind::Linux)
        return;
    textLabel()->setText(
        tr("Google Chrome, Chromium and Firefox keep caches, website storage and page "
           "thumbnails. Removing them leaves your bookmarks, history and passwords alone, but "
           "websites may sign you out and forget their settings. Browsers fill this storage "
           "again as you browse."));
}

QPointF AboutBrowsers::modalOrigin(const QSizeF& size, QWidget* main) {
    QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect anchor = main ? main->frameGeometry() : available;
    return WindowPlacement::centredOver(size.toSize(), anchor, available).topLeft();
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
    if (AppDelegate* delegate = AppDelegate::shared())
        delegate->modalOrigin = modalOrigin(QSizeF(select->size()), mainWindow());
    presentViewControllerAsModalWindow(std::move(select));
    // A transient popover closes when the user turns to another window.
    if (window()->windowType() == Qt::Popup)
        window()->close();
}

} // namespace dovrel
