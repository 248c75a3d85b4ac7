#include "support/BrowserResults.h"

#include "engine/Cleaner.h"

namespace dovrel::test {

namespace {

std::shared_ptr<CleanerItem> source(std::optional<ByteCount> size, const char* type,
                                    std::vector<Location> files) {
    if (!size)
        return nullptr;
    auto item = std::make_shared<CleanerItem>();
    item->files = std::move(files);
    item->size = *size;
    item->type = QString::fromLatin1(type);
    item->group = QStringLiteral("browsers");
    return item;
}

} // namespace

void putBrowserResults(Cleaner& cleaner, const BrowserSizes& sizes, const Location& root) {
    const Location chrome = root / "Application Support/Google/Chrome/Default";
    const Location firefox = root / "Application Support/Firefox/Profiles";
    cleaner.browser_chrome_item =
        source(sizes.chrome, "chrome", {chrome / "Application Cache", chrome / "Local Storage"});
    cleaner.browser_mozilla_item =
        source(sizes.mozilla, "mozilla", {firefox / "a.default/storage", firefox / "b.work/storage"});
    cleaner.browser_safari_item = source(sizes.safari, "safari", {root / "Safari/LocalStorage"});

    auto category = std::make_shared<CleanerItem>();
    category->type = QStringLiteral("browsers");
    category->items.emplace();
    for (const auto& s :
         {cleaner.browser_chrome_item, cleaner.browser_mozilla_item, cleaner.browser_safari_item}) {
        if (!s)
            continue;
        category->items->emplace_back(s);
        category->size += s->size;
    }
    cleaner.browser_item = category;
    cleaner.totalBrowserSize = category->size;
}

} // namespace dovrel::test
