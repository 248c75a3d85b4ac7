#pragma once

#include "engine/CleanerItem.h"
#include "fs/Types.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace dovrel {

class Cleaner;
class Defaults;

// Which browsers' data the browsers category of the last scan removes:
// Google Chrome, Firefox, Safari. The browser-selection window and the
// results screen both ask and change it here, so what the window shows,
// what the outline ticks and what the cleanup removes never disagree.
//
// Where the choice lives:
//
//   stored keys "GoogleChrome", "Mozilla", "Safari"  (standard defaults)
//        |  absent: follow the outline (chosen when found)
//        |  YES: chosen when found      NO (or not a boolean): not chosen
//        |  either way not chosen while the scan saw the browser running
//        |  on it (in_use_by), until chosen here
//        v
//   browser_item->files of the last scan
//        absent  -> nothing changed since the scan: the stored keys decide
//        present -> exactly the locations of the chosen browsers, each once;
//                   browser_item->size is the sum of their sizes
//
// A browser is "found" when the scan has a result for it of at least one
// byte; only a found browser can be chosen. The scan replaces browser_item,
// so every scan starts again from the stored keys.
//
// Main thread only, like the screens that use it. Nothing here touches the
// disk except reading the stored keys.
class BrowserChoice {
public:
    enum class Browser { chrome, mozilla, safari };
    static constexpr std::array<Browser, 3> kBrowsers = {Browser::chrome, Browser::mozilla, Browser::safari};

    // The stored key: "GoogleChrome", "Mozilla", "Safari".
    static QString key(Browser browser);
    // The source tag of its scan result: "chrome", "mozilla", "safari".
    static QString sourceType(Browser browser);
    // The browser a source result of the browsers group stands for; absent
    // for any other record.
    static std::optional<Browser> browserOf(const CleanerItem& source);

    // Reads `cleaner`'s results and `settings`; both must outlive this.
    BrowserChoice(Cleaner& cleaner, const Defaults& settings);

    // The browser's result of the last scan (null when it was not found).
    std::shared_ptr<CleanerItem> result(Browser browser) const;
    // Its size, 0 when it was not found.
    ByteCount size(Browser browser) const;
    // Found: a result of at least one byte.
    bool found(Browser browser) const;
    // The stored wish: YES, NO or absent. A stored value that is not a
    // boolean reads as NO.
    std::optional<bool> stored(Browser browser) const;

    // Whether the browser's data is chosen for removal now.
    bool isChosen(Browser browser) const;
    // The same for a source result of the browsers category, as the results
    // screen lists it. Only the engine's own record of the last scan counts:
    // any other record (another group, an earlier scan's) is not chosen.
    bool isChosen(const CleanerItem& source) const;

    // Chooses or drops one browser for this scan (the stored key is left to
    // the caller). browser_item's files become the locations of the chosen
    // browsers in the order Chrome, Firefox, Safari, each location once, and
    // its size their sum. Returns false, changing nothing, when there is no
    // browsers result or the browser was not found.
    bool setChosen(Browser browser, bool chosen);

private:
    using Chosen = std::array<bool, kBrowsers.size()>;
    Chosen current() const;
    void apply(const Chosen& chosen);

    Cleaner& cleaner_;
    const Defaults& settings_;
};

} // namespace dovrel
