#pragma once

namespace dovrel {

class ScreenFactory;
struct ScreenServices;

// Registers every screen that exists under its storyboard and identifier:
//   "Main":       "Sandbox", "Home", "EnableScheduler", "Preferences",
//                 "PrivacyFullDiskAccess", "PrivacyFullDiskPage1..3", "Cleaned"
//   "SmartClean": "SmartScan", "SmartClean", "SmartCleanup", the category
//                 popovers "AboutCaches", "AboutLogs", "AboutRemainders",
//                 "AboutBrowsers", "AboutMails", "AboutInstalls", "AboutTrash",
//                 and the browser-selection window "SelectBrowsers"
class ScreenCatalogue {
public:
    static void registerAll(ScreenFactory& factory, const ScreenServices& services);
};

} // namespace dovrel
