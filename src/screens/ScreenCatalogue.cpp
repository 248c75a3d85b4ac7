#include "screens/ScreenCatalogue.h"

#include "screens/ScreenServices.h"
#include "screens/access/Page1PrivacyFullDisk.h"
#include "screens/access/Page2PrivacyFullDisk.h"
#include "screens/access/Page3PrivacyFullDisk.h"
#include "screens/access/PrivacyFullDiskWindowController.h"
#include "screens/access/SandboxViewController.h"
#include "screens/home/EnableSchedulerViewController.h"
#include "screens/home/HomeViewController.h"
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
            return std::make_unique<PreferencesViewController>(*s.schedulerSwitch);
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
    factory.registerScreen(smart, QStringLiteral("SmartClean"),
                           [s] { return std::make_unique<SmartCleanViewController>(s.cleaner); });
}

} // namespace dovrel
