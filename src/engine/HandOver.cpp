#include "engine/HandOver.h"

#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/KeepList.h"
#include "engine/KeptPaths.h"

#include <string>
#include <unordered_set>

namespace dovrel {

std::vector<Location> HandOver::locationsOf(const ResultEntry& entry) {
    return std::visit(
        [](const auto& p) -> std::vector<Location> {
            using T = std::decay_t<decltype(*p)>;
            if (!p)
                return {};
            if constexpr (std::is_same_v<T, CacheItem>)
                return {p->url};
            else if constexpr (std::is_same_v<T, LargeFile>)
                return {p->url_file};
            else if constexpr (std::is_same_v<T, RemainderItem>)
                return p->files;
            else
                return p->files.value_or(std::vector<Location>{});
        },
        entry);
}

ByteCount HandOver::sizeOf(const ResultEntry& entry) {
    return std::visit([](const auto& p) -> ByteCount { return p ? p->size : 0; }, entry);
}

std::vector<std::shared_ptr<CleanerItem>> HandOver::categories(const Cleaner& c) {
    std::vector<std::shared_ptr<CleanerItem>> out;
    for (const ScanCategory& category : CategoryTable::all())
        out.push_back(c.*category.result);
    return out;
}

std::vector<Location> HandOver::build(const Cleaner& cleaner, const Selected& selected) {
    std::vector<Location> files;
    std::unordered_set<std::string> seen;
    const auto results = categories(cleaner);
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (!results[i] || !results[i]->items)
            continue;
        const QString tag = QString::fromLatin1(CategoryTable::all()[i].tag);
        for (const ResultEntry& e : *results[i]->items) {
            if (!selected(tag, e))
                continue;
            // Two results may name one location; it is handed over once.
            for (Location& l : locationsOf(e))
                if (seen.insert(l.native()).second)
                    files.push_back(std::move(l));
        }
    }
    return files;
}

void HandOver::dropKept(const Cleaner& cleaner, std::vector<Location>& files) {
    if (cleaner.keep_list == nullptr)
        return;
    KeptPaths kept = cleaner.keep_list->matcher();
    if (kept.empty())
        return;
    std::erase_if(files, [&](const Location& l) {
        const auto seen = cleaner.scanned_identities.find(l.native());
        const std::optional<FileIdentity> identity = seen == cleaner.scanned_identities.end()
                                                         ? std::nullopt
                                                         : std::optional<FileIdentity>(seen->second);
        return kept.keepsBack(l, identity).has_value();
    });
}

std::vector<RemovalRequest> HandOver::requests(const Cleaner& cleaner, const std::vector<Location>& files) {
    std::vector<RemovalRequest> out;
    out.reserve(files.size());
    for (const Location& f : files) {
        RemovalRequest r;
        r.location = f;
        auto it = cleaner.scanned_identities.find(f.native());
        if (it != cleaner.scanned_identities.end())
            r.identity = it->second;
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace dovrel
