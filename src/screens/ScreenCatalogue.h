#pragma once

namespace dovrel {

class ScreenFactory;
struct ScreenServices;

// Registers every screen that exists under its storyboard and identifier:
//   "Main":       "Sandbox", "Home", "EnableScheduler", "Preferences",
//                 "PrivacyFullDiskAccess", "PrivacyFullDiskPage1..3"
//   "SmartClean": "SmartScan", "SmartClean"
// Screens not built yet ("SmartCleanup", "Cleaned", and the category
// popovers "AboutCaches" ... "AboutTrash" of the results screen, see
// SmartCleanViewController) are not registered, so asking for them gives
// nothing.
class ScreenCatalogue {
public:
    static void registerAll(ScreenFactory& factory, const ScreenServices& services);
};

} // namespace dovrel
