#include "layout/HomeLayout.h"

#include "fs/PathOps.h"
#include "platform/Defaults.h"

namespace dovrel {

HomeLayout::Kind HomeLayout::choose(const Location& home) {
    return PathOps::isDirectory(home / "Library" / "Caches") ? Kind::MacOS : Kind::Linux;
}

const char* HomeLayout::name(Kind kind) {
    return kind == Kind::MacOS ? "macos" : "linux";
}

std::optional<HomeLayout::Kind> HomeLayout::fromName(std::string_view name) {
    if (name == "macos")
        return Kind::MacOS;
    if (name == "linux")
        return Kind::Linux;
    return std::nullopt;
}

std::optional<HomeLayout::Kind> HomeLayout::preferred(const Defaults& settings) {
    switch (settings.integerForKey(QString::fromLatin1(kPreferenceKey))) {
    case 1:
        return Kind::MacOS;
    case 2:
        return Kind::Linux;
    default:
        return std::nullopt;
    }
}

bool HomeLayout::needsApplicationsGrant(const Location& home, const Defaults& settings) {
    const std::optional<Kind> kind = preferred(settings);
    if (kind)
        return *kind == Kind::MacOS;
    const bool freedesktop =
        PathOps::isDirectory(home / ".config") || PathOps::isDirectory(home / ".local/share");
    return choose(home) == Kind::MacOS || !freedesktop;
}

bool HomeLayout::setPreferred(Defaults& settings, std::optional<Kind> kind) {
    const QString key = QString::fromLatin1(kPreferenceKey);
    if (!kind)
        return settings.removeObjectForKey(key);
    return settings.setInteger(key, *kind == Kind::MacOS ? 1 : 2);
}

} // namespace dovrel
