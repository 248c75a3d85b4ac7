#include "layout/LinuxCategoryScan.h"

#include "layout/LinuxBrowsers.h"
#include "layout/LinuxLayout.h"
#include "layout/LinuxTrash.h"

namespace dovrel {

namespace {

template <typename T>
std::shared_ptr<CleanerItem> category(const std::vector<std::shared_ptr<T>>& records, ByteCount size) {
    auto found = std::make_shared<CleanerItem>();
    std::vector<ResultEntry> items;
    items.reserve(records.size());
    for (const auto& r : records)
        items.emplace_back(r);
    found->items = std::move(items);
    found->size = size;
    return found;
}

} // namespace

std::shared_ptr<CleanerItem> LinuxCategoryScan::scan(CategoryId id, SmartScanResult& result) {
    ByteCount total = 0;
    switch (id) {
    case CategoryId::caches: {
        auto found = layout_.caches(sizes_, total);
        return category(found, total);
    }
    case CategoryId::logs: {
        auto found = layout_.logs(sizes_, total);
        return category(found, total);
    }
    case CategoryId::remainders: {
        auto found = layout_.remainders(sizes_, total);
        return category(found, total);
    }
    case CategoryId::browsers: {
        const auto sources = LinuxBrowsers::find(layout_.dirs().home, layout_.dirs().configHome, sizes_);
        result.browser_chrome_item = sources.chrome;
        result.browser_mozilla_item = sources.mozilla;
        result.browser_safari_item.reset();
        std::vector<std::shared_ptr<CleanerItem>> included;
        for (const auto& s : {sources.chrome, sources.mozilla})
            if (s) {
                included.push_back(s);
                total += s->size;
            }
        return category(included, total);
    }
    case CategoryId::mails: {
        auto apple = std::make_shared<CleanerItem>();
        apple->type = QStringLiteral("apple-mail");
        apple->group = QStringLiteral("mail-clients");
        result.apple_mail_item = apple;
        result.airmail_item.reset();
        result.spark_mail_item.reset();
        return category(layout_.mails(), 0);
    }
    case CategoryId::installs: {
        auto found = layout_.installs(sizes_, total);
        return category(found, total);
    }
    case CategoryId::trash: {
        const LinuxTrash trash(layout_.trashFolder(), layout_.dirs().home);
        // An item and its .trashinfo go together: neither half is taken
        // through a link.
        if (!layout_.reachable(trash.filesFolder()) || !layout_.reachable(trash.infoFolder()))
            return category(std::vector<std::shared_ptr<LargeFile>>{}, 0);
        std::vector<SkippedPlace> skipped;
        auto found = trash.items(sizes_, total, &skipped);
        for (auto& s : skipped)
            layout_.noteSkipped(std::move(s));
        return category(found, total);
    }
    }
    return category(std::vector<std::shared_ptr<CleanerItem>>{}, 0);
}

} // namespace dovrel
