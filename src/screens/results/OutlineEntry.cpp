#include "screens/results/OutlineEntry.h"

#include "catalogue/Application.h"
#include "controls/IconImages.h"
#include "platform/NameText.h"
#include "platform/gui/FileIcons.h"
#include "platform/gui/SystemVersion.h"

namespace dovrel {

namespace {

struct Source {
    const char* group;
    const char* type;
    const char* title;
    const char* bundle; // under /Applications
};

const Source kSources[] = {
    {"browsers", "chrome", "Google Chrome", "Google Chrome.app"},
    {"browsers", "mozilla", "Firefox", "Firefox.app"},
    {"browsers", "safari", "Safari", "Safari.app"},
    {"mail-clients", "airmail", "Airmail", "Airmail.app"},
    {"mail-clients", "apple-mail", "Mail", "Mail.app"},
    {"mail-clients", "spark", "Saprk", "Spark.app"},
};

const Source* sourceOf(const CleanerItem& item) {
    for (const Source& s : kSources)
        if (item.group == QLatin1String(s.group) && item.type == QLatin1String(s.type))
            return &s;
    return nullptr;
}

QString shownName(const Location& location) {
    const std::string bytes = location.filename().native();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

template <typename T> const std::shared_ptr<T>* as(const ResultEntry& entry) {
    return std::get_if<std::shared_ptr<T>>(&entry);
}

} // namespace

QString OutlineEntry::title(const ResultEntry& entry) {
    if (auto c = as<CacheItem>(entry); c && *c)
        return NameText::shown((*c)->label);
    if (auto f = as<LargeFile>(entry); f && *f)
        return shownName((*f)->url_file);
    if (auto r = as<RemainderItem>(entry); r && *r)
        return NameText::shown((*r)->label);
    if (auto s = as<CleanerItem>(entry); s && *s)
        if (const Source* source = sourceOf(**s))
            return QString::fromLatin1(source->title);
    return {};
}

bool OutlineEntry::hasRowView(const ResultEntry& entry) {
    if (auto s = as<CleanerItem>(entry))
        return *s && sourceOf(**s) != nullptr;
    return std::visit([](const auto& p) { return p != nullptr; }, entry);
}

std::optional<Location> OutlineEntry::applicationOf(const ResultEntry& entry,
                                                    const std::optional<Location>& applicationsFolder) {
    auto s = as<CleanerItem>(entry);
    if (!s || !*s)
        return std::nullopt;
    const Source* source = sourceOf(**s);
    if (source == nullptr)
        return std::nullopt;
    if (QLatin1String(source->type) == QLatin1String("apple-mail") && SystemVersion::isAtLeast(10, 15))
        return Location("/System/Applications/Mail.app");
    if (!applicationsFolder)
        return std::nullopt;
    return *applicationsFolder / source->bundle;
}

QIcon OutlineEntry::icon(const ResultEntry& entry, const std::optional<Location>& applicationsFolder) {
    if (auto c = as<CacheItem>(entry); c && *c) {
        QIcon icon = IconImages::icon((*c)->image);
        return icon.isNull() ? FileIcons::iconForFile((*c)->url) : icon;
    }
    if (auto f = as<LargeFile>(entry); f && *f)
        return FileIcons::iconForFile((*f)->url_file);
    if (auto r = as<RemainderItem>(entry); r && *r)
        return IconImages::icon(IconRef::resource(QStringLiteral("Smart remainders")));
    if (!hasRowView(entry))
        return {};
    if (std::optional<Location> bundle = applicationOf(entry, applicationsFolder)) {
        const Application reader(std::nullopt, std::nullopt);
        QIcon icon = IconImages::icon(reader.setAppIcon(*bundle));
        if (!icon.isNull())
            return icon;
    }
    QIcon generic = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    return generic.isNull() ? FileIcons::generic(FileIcons::Generic::Application) : generic;
}

bool OutlineEntry::hasContextMenu(const ResultEntry& entry) {
    return !as<CleanerItem>(entry) && std::visit([](const auto& p) { return p != nullptr; }, entry);
}

std::vector<Location> OutlineEntry::fileManagerLocations(const ResultEntry& entry) {
    if (auto c = as<CacheItem>(entry); c && *c)
        return {(*c)->url};
    if (auto f = as<LargeFile>(entry); f && *f)
        return {(*f)->url_file};
    if (auto r = as<RemainderItem>(entry); r && *r)
        return (*r)->files;
    return {};
}

std::optional<Location> OutlineEntry::firstLocation(const ResultEntry& entry) {
    std::vector<Location> all = fileManagerLocations(entry);
    if (all.empty())
        return std::nullopt;
    return all.front();
}

} // namespace dovrel
