#include "screens/results/BrowserTicks.h"

#include "engine/BrowserChoice.h"
#include "engine/HandOver.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanViewController.h"

#include <variant>

namespace dovrel {

using Results = SmartCleanViewController;

void BrowserTicks::tickAll(bool on) {
    for (const SelectionSlot& slot : screen_.store_browsers)
        if (const ResultEntry* entry = slot.entry())
            chooseBrowser(*entry, on);
    showBrowserChoice();
}

void BrowserTicks::tick(const ResultEntry& entry, bool on) {
    chooseBrowser(entry, on);
    showBrowserChoice();
}

void BrowserTicks::chooseBrowser(const ResultEntry& entry, bool on) {
    const auto* source = std::get_if<std::shared_ptr<CleanerItem>>(&entry);
    if (source == nullptr || *source == nullptr)
        return;
    BrowserChoice choice(*screen_.sharedCleaner, *screen_.app_settings);
    const std::optional<BrowserChoice::Browser> browser = BrowserChoice::browserOf(**source);
    // Only the engine's own record of the last scan speaks for its browser.
    if (browser && choice.result(*browser) == *source)
        choice.setChosen(*browser, on);
}

void BrowserTicks::showBrowserChoice() {
    Results& s = screen_;
    if (s.outlineItems.empty() || s.sharedCleaner == nullptr || s.app_settings == nullptr)
        return;
    const BrowserChoice choice(*s.sharedCleaner, *s.app_settings);
    ByteCount chosen = 0;
    for (std::size_t i = 0; i < s.store_browsers.size() && i < s.browsers.size(); ++i) {
        const ResultEntry* entry = s.store_browsers[i].entry();
        const auto* source = entry ? std::get_if<std::shared_ptr<CleanerItem>>(entry) : nullptr;
        const bool on = source != nullptr && *source != nullptr && choice.isChosen(**source);
        s.browsers[i] = on ? s.store_browsers[i] : SelectionSlot::placeholder();
        if (on)
            chosen += HandOver::sizeOf(*entry);
    }
    // As with ticks: partly selected shows what is selected, else the total.
    s.outlineItems[Results::kBrowsers]->size = s.tickState(Results::kBrowsers) == Results::Tick::Mixed
                                                   ? chosen
                                                   : s.categoryTotal(Results::kBrowsers);
    if (SmartCleanOutlineModel* model = s.outlineModel()) {
        model->entriesChanged(Results::kBrowsers);
        model->categoryChanged(Results::kBrowsers);
    }
    s.update_ui();
}

} // namespace dovrel
