#include "screens/ScreenCatalogue.h"

#include "screens/ScreenServices.h"
#include "screens/access/Page1PrivacyFullDisk.h"
#include "screens/access/Page2PrivacyFullDisk.h"
#include "screens/access/Page3PrivacyFullDisk.h"
#include "screens/access/PrivacyFullDiskWindowController.h"
#include "screens/access/SandboxViewController.h"
#include "screens/cleanup/CleanedViewController.h"
#include "screens/cleanup/SmartCleanupViewController.h"
#include "screens/home/EnableSchedulerViewController.h"
#include "screens/home/HomeViewController.h"
#include "screens/popovers/AboutBrowsers.h"
#include "screens/popovers/AboutCaches.h"
#include "screens/popovers/AboutLogs.h"
#include "screens/popovers/AboutMails.h"
#include "screens/popovers/AboutPopover.h"
#include "screens/popovers/AboutTrash.h"
#include "screens/popovers/SelectBrowsers.h"
#include "screens/preferences/PreferencesViewController.h"
#include "screens/results/SmartCleanViewController.h"
#include "screens/scan/SmartScanViewController.h"
#include "shell/ScreenFactory.h"
#include "shell/Storyboard.h"

namespace dovrel {

void ScreenCatalogue::registerAll(ScreenFactory& factory, const ScreenServices& services) {
    const QString main = QString::fromLatin1(Storyboard::kMain);
    const QString smart = QString::fromLatin1(Storyboard::kSmartClean);
    const ScreenServices s = services;

    if (s.folderPicker)
        factory.registerScreen(main, QStringLiteral("Sandbox"),
                               [s] { return std::make_unique<SandboxViewController>(*s.folderPicker); });
    factory.registerScreen(main, QStringLiteral("Home"),
                           [] { return std::make_unique<HomeViewController>(); });
    if (s.schedulerSwitch) {
        factory.registerScreen(main, QStringLiteral("EnableScheduler"), [s] {
            return std::make_unique<EnableSchedulerViewController>(*s.schedulerSwitch);
        });
        factory.registerScreen(main, QStringLiteral("Preferences"), [s] {
            return std::make_unique<PreferencesViewController>(*s.schedulerSwitch, s.folderPicker, s.cleaner);
        });
    }
    factory.registerScreen(main, QStringLiteral("PrivacyFullDiskAccess"),
                           [] { return std::make_unique<PrivacyFullDiskWindowController>(); });
    factory.registerScreen(main, QStringLiteral("PrivacyFullDiskPage1"),
                           [] { return std::make_unique<Page1PrivacyFullDisk>(); });
    factory.registerScreen(main, QStringLiteral("PrivacyFullDiskPage2"),
                           [] { return std::make_unique<Page2PrivacyFullDisk>(); });
    factory.registerScreen(main, QStringLiteral("PrivacyFullDiskPage3"),
                           [] { return std::make_unique<Page3PrivacyFullDisk>(); });
    factory.registerScreen(smart, QStringLiteral("SmartScan"),
                           [s] { return std::make_unique<SmartScanViewController>(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("SmartCleanup"),
                           [s] { return std::make_unique<SmartCleanupViewController>(s.cleaner); });
    factory.registerScreen(main, QStringLiteral("Cleaned"),
                           [s] { return std::make_unique<CleanedViewController>(s.cleaner); });

    // The category information popovers of the results screen, and the
    // browser-selection window the browsers popover opens.
    factory.registerScreen(smart, QStringLiteral("AboutCaches"),
                           [s] { return std::make_unique<AboutCaches>(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("AboutLogs"),
                           [s] { return std::make_unique<AboutLogs>(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("AboutRemainders"),
                           [s] { return AboutPopover::aboutRemainders(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("AboutBrowsers"),
                           [s] { return std::make_unique<AboutBrowsers>(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("AboutMails"),
                           [s] { return std::make_unique<AboutMails>(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("AboutInstalls"),
                           [s] { return AboutPopover::aboutInstalls(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("AboutTrash"),
                           [s] { return std::make_unique<AboutTrash>(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("SelectBrowsers"),
                           [s] { return std::make_unique<SelectBrowsers>(s.cleaner); });
    factory.registerScreen(smart, QStringLiteral("SmartClean"),
                           [s] { return std::make_unique<SmartCleanViewController>(s.cleaner); });
}

} // namespace dovrel
