#pragma once

namespace dovrel {

// The animated background behind the window's two layers. The root
// controller calls the operation of the screen it has just placed.
class BackgroundAnimating {
public:
    virtual ~BackgroundAnimating() = default;
    virtual void animation_for_home_view() = 0;
    virtual void animation_for_scan_view() = 0;
    virtual void animation_for_page_view() = 0;
    virtual void animation_for_delete_view() = 0;
    virtual void animation_for_cleaned_view() = 0;
};

} // namespace dovrel
