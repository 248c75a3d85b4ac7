#include "engine/BrowserChoice.h"

#include "engine/Cleaner.h"
#include "platform/Defaults.h"

#include <algorithm>
#include <unordered_set>

namespace dovrel {

namespace {

std::size_t indexOf(BrowserChoice::Browser browser) {
    return static_cast<std::size_t>(browser);
}

} // namespace

QString BrowserChoice::key(Browser browser) {
    static const char* const keys[] = {"GoogleChrome", "Mozilla", "Safari"};
    return QString::fromLatin1(keys[indexOf(browser)]);
}

QString BrowserChoice::sourceType(Browser browser) {
    static const char* const types[] = {"chrome", "mozilla", "safari"};
    return QString::fromLatin1(types[indexOf(browser)]);
}

std::optional<BrowserChoice::Browser> BrowserChoice::browserOf(const CleanerItem& source) {
    if (source.group != QLatin1String("browsers"))
        return std::nullopt;
    for (Browser b : kBrowsers)
        if (source.type == sourceType(b))
            return b;
    return std::nullopt;
}

BrowserChoice::BrowserChoice(Cleaner& cleaner, const Defaults& settings)
    : cleaner_(cleaner), settings_(settings) {}

std::shared_ptr<CleanerItem> BrowserChoice::result(Browser browser) const {
    switch (browser) {
    case Browser::chrome:
        return cleaner_.browser_chrome_item;
    case Browser::mozilla:
        return cleaner_.browser_mozilla_item;
    case Browser::safari:
        return cleaner_.browser_safari_item;
    }
    return nullptr;
}

ByteCount BrowserChoice::size(Browser browser) const {
    const auto r = result(browser);
    return r ? r->size : 0;
}

bool BrowserChoice::found(Browser browser) const {
    const auto r = result(browser);
    // Without locations there is nothing the choice could remove.
    return r && r->size >= 1 && r->files && !r->files->empty();
}

std::optional<bool> BrowserChoice::stored(Browser browser) const {
    const QString k = key(browser);
    if (!settings_.hasKey(k))
        return std::nullopt;
    return settings_.boolForKey(k);
}

bool BrowserChoice::isChosen(Browser browser) const {
    return current()[indexOf(browser)];
}

bool BrowserChoice::isChosen(const CleanerItem& source) const {
    const std::optional<Browser> b = browserOf(source);
    // Only the engine's own result for that browser counts, not a look-alike.
    return b && result(*b).get() == &source && isChosen(*b);
}

BrowserChoice::Chosen BrowserChoice::current() const {
    Chosen chosen{};
    const auto& category = cleaner_.browser_item;
    for (Browser b : kBrowsers) {
        bool& c = chosen[indexOf(b)];
        if (!found(b)) {
            c = false;
        } else if (!category || !category->files) {
            // Data a running browser holds waits until asked for.
            c = stored(b).value_or(true) && result(b)->in_use_by.empty();
        } else {
            // Chosen when every one of its locations is in the list.
            const std::vector<Location>& list = *category->files;
            const std::vector<Location>& own = *result(b)->files;
            c = std::all_of(own.begin(), own.end(), [&](const Location& l) {
                return std::find(list.begin(), list.end(), l) != list.end();
            });
        }
    }
    return chosen;
}

bool BrowserChoice::setChosen(Browser browser, bool chosen) {
    if (!cleaner_.browser_item || !found(browser))
        return false;
    Chosen next = current();
    next[indexOf(browser)] = chosen;
    apply(next);
    return true;
}

// Rebuilt from the whole choice rather than patched by one browser, so a
// tick and an untick always lead back to the same list and size. The three
// browsers keep their data in separate folders, so the sum of the chosen
// results is the size of what the list holds; a result whose locations are
// all in the list already adds nothing.
void BrowserChoice::apply(const Chosen& chosen) {
    std::vector<Location> files;
    std::unordered_set<std::string> seen;
    ByteCount total = 0;
    for (Browser b : kBrowsers) {
        if (!chosen[indexOf(b)] || !found(b))
            continue;
        const auto r = result(b);
        bool added = false;
        for (const Location& l : *r->files) {
            if (seen.insert(l.native()).second) {
                files.push_back(l);
                added = true;
            }
        }
        if (added)
            total += r->size;
    }
    cleaner_.browser_item->files = std::move(files);
    cleaner_.browser_item->size = total;
}

} // namespace dovrel
