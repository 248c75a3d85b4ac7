#include "layout/LinuxBrowsers.h"

#include "fs/DirectoryListing.h"
#include "fs/PathOps.h"
#include "fs/SizeMemo.h"
#include "layout/BrowserInUse.h"
#include "layout/KeyFile.h"
#include "layout/XdgDirs.h"

#include <algorithm>

namespace dovrel {

namespace {

std::shared_ptr<CleanerItem> source(std::vector<Location> files, ByteCount size, const char* type) {
    auto item = std::make_shared<CleanerItem>();
    item->files = std::move(files);
    item->size = size;
    item->type = QString::fromLatin1(type);
    item->group = QStringLiteral("browsers");
    return item;
}

} // namespace

std::vector<Location> LinuxBrowsers::firefoxRoots(const Location& home, const Location& configHome) {
    std::vector<Location> roots;
    for (const Location& root : {home / ".mozilla/firefox", configHome / "mozilla/firefox"})
        if (PathOps::isDirectory(root))
            roots.push_back(root);
    return roots;
}

std::vector<Location> LinuxBrowsers::firefoxProfiles(const Location& home, const Location& configHome) {
    std::vector<Location> profiles;
    auto add = [&](const Location& p) {
        const Location n = p.lexically_normal();
        for (const Location& seen : profiles)
            if (seen == n)
                return;
        if (PathOps::isDirectory(n))
            profiles.push_back(n);
    };
    for (const Location& root : firefoxRoots(home, configHome)) {
        if (auto ini = KeyFile::readFile(root / "profiles.ini")) {
            for (const auto& group : ini->groups()) {
                if (!group.name.starts_with("Profile"))
                    continue;
                auto path = KeyFile::value(group, "Path");
                if (!path || path->empty())
                    continue;
                const bool relative = KeyFile::value(group, "IsRelative").value_or("1") != "0";
                if (relative) {
                    const Location p = (root / *path).lexically_normal();
                    if (XdgDirs::insideHome(home, p.native()))
                        add(p);
                } else if (auto inside = XdgDirs::insideHome(home, *path)) {
                    add(*inside);
                }
            }
        }
        for (const auto& e : DirectoryListing::list(root, true))
            if (PathOps::isDirectory(e.path))
                add(e.path);
    }
    return profiles;
}

LinuxBrowsers::Sources LinuxBrowsers::find(const Location& home, const Location& configHome,
                                           SizeMemo& sizes) {
    Sources out;
    static const char* const parts[] = {"Application Cache", "Local Storage", "Storage",
                                        "Sync Data",         "Thumbnails",    "Session Storage"};
    std::vector<Location> chrome;
    std::vector<QString> chromeHolders;
    auto held = [](std::vector<QString>& holders, const Location& folder) {
        if (auto browser = BrowserInUse::holder(folder)) {
            const QString name = QString::fromStdString(*browser);
            if (std::find(holders.begin(), holders.end(), name) == holders.end())
                holders.push_back(name);
        }
    };
    for (const char* browser : {"google-chrome", "chromium"}) {
        const Location profile = configHome / browser / "Default";
        if (!PathOps::isDirectory(profile))
            continue;
        for (const char* part : parts)
            chrome.push_back(profile / part);
        held(chromeHolders, configHome / browser);
    }
    if (!chrome.empty()) {
        const ByteCount size = sizes.overall_size_of_files(chrome);
        out.chrome = source(std::move(chrome), size, "chrome");
        out.chrome->in_use_by = std::move(chromeHolders);
    }

    if (!firefoxRoots(home, configHome).empty()) {
        std::vector<Location> storage;
        std::vector<QString> holders;
        for (const Location& profile : firefoxProfiles(home, configHome))
            if (PathOps::exists(profile / "storage")) {
                storage.push_back(profile / "storage");
                held(holders, profile);
            }
        const ByteCount size = sizes.overall_size_of_files(storage);
        out.mozilla = source(std::move(storage), size, "mozilla");
        out.mozilla->in_use_by = std::move(holders);
    }
    return out;
}

} // namespace dovrel
