#include "layout/HomeLayout.h"

#include "fs/PathOps.h"

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

} // namespace dovrel
