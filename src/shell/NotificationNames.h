#pragma once

namespace dovrel {

// Names of the notifications that pass between the screens, the root
// controller and the engine. They carry no object and no user information.
struct NotificationNames {
    // Placing screens (observed by ViewController).
    static constexpr const char* sandbox_view_controller = "sandbox_view_controller";
    static constexpr const char* home_view_controller_for_launch = "home_view_controller_for_launch";
    static constexpr const char* home_view_controller = "home_view_controller";
    static constexpr const char* smart_scan_view_controller = "smart_scan_view_controller";
    static constexpr const char* smart_clean_view_controller = "smart_clean_view_controller";
    static constexpr const char* smart_cleanup_view_controller = "smart_cleanup_view_controller";
    static constexpr const char* cleaned_view_controller = "cleaned_view_controller";
    // Clearing layers (observed by ViewController).
    static constexpr const char* sandbox_end_anim_complete = "sandbox_end_anim_complete";
    static constexpr const char* home_end_anim_complete = "home_end_anim_complete";
    static constexpr const char* scan_end_anim_complete = "scan_end_anim_complete";
    // Progress of the smart scan (posted by the engine).
    static constexpr const char* smart_scan_logs = "smart_scan_logs";
    static constexpr const char* smart_scan_remainders = "smart_scan_remainders";
    static constexpr const char* smart_scan_browsers = "smart_scan_browsers";
    static constexpr const char* smart_scan_mails = "smart_scan_mails";
    static constexpr const char* smart_scan_installs = "smart_scan_installs";
    static constexpr const char* smart_scan_trash = "smart_scan_trash";
    // The browser-selection window changed which browsers are cleaned
    // (BrowserChoice); the results screen reloads its browsers category.
    static constexpr const char* browsers_selection_changed = "browsers_selection_changed";
    // Full Disk Access instruction pages.
    static constexpr const char* navigate_next_in_privacy_full_disk = "navigate_next_in_privacy_full_disk";
    static constexpr const char* navigate_back_in_privacy_full_disk = "navigate_back_in_privacy_full_disk";
};

} // namespace dovrel
