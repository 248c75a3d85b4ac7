#include "engine/KeptPaths.h"

#include "fs/PathOps.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace dovrel {

namespace {

std::optional<KeptPaths::Id> idOf(const std::string& path, bool follow) {
    struct stat st {};
    if ((follow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0)
        return std::nullopt;
    return KeptPaths::Id{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

// Every folder from `path` (resolved by the system, links followed) up to the root.
void addChain(const std::string& path, std::set<KeptPaths::Id>& into) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return;
    Location p(real);
    std::free(real);
    for (;;) {
        if (auto id = idOf(p.native(), true))
            into.insert(*id);
        const Location up = p.parent_path();
        if (up == p || up.empty())
            break;
        p = up;
    }
}

// True when `inner` is `outer` or lies below it (whole path components).
bool within(const std::string& inner, const std::string& outer) {
    if (inner.size() < outer.size() || inner.compare(0, outer.size(), outer) != 0)
        return false;
    return inner.size() == outer.size() || outer == "/" || inner[outer.size()] == '/';
}

bool meets(const std::set<KeptPaths::Id>& a, const std::set<KeptPaths::Id>& b) {
    for (const auto& id : a)
        if (b.count(id))
            return true;
    return false;
}

} // namespace

bool KeptPaths::add(const std::string& argument, std::string& error) {
    Kept k;
    k.argument = argument;
    // Absolute, but not lexically normalised: ".." after a link is the
    // system's business.
    std::error_code ec;
    const Location given = std::filesystem::absolute(Location(argument), ec);
    k.text = PathOps::tidy((ec ? Location(argument) : given).lexically_normal().native());
    const std::string followed = given.native();
    std::string entry = followed;
    while (entry.size() > 1 && entry.back() == '/')
        entry.pop_back();

    if (auto id = idOf(followed, true)) {
        k.self.insert(*id);
        addChain(followed, k.ancestors);
    }
    const Location entryPath(entry);
    const std::string name = entryPath.filename().native();
    if (name != "." && name != "..") {
        if (auto id = idOf(entry, false)) {
            k.self.insert(*id);
            addChain(entryPath.parent_path().native(), k.ancestors);
        }
    }
    if (k.self.empty()) {
        error = "no such file or folder";
        return false;
    }
    kept_.push_back(std::move(k));
    return true;
}

const std::set<KeptPaths::Id>& KeptPaths::ancestorsOf(const Location& folder) {
    auto [it, fresh] = ancestorCache_.try_emplace(folder.native());
    if (fresh)
        addChain(folder.native(), it->second);
    return it->second;
}

std::optional<std::string> KeptPaths::keepsBack(const Location& location,
                                                const std::optional<FileIdentity>& scanned) {
    if (kept_.empty())
        return std::nullopt;
    std::set<Id> self;
    if (scanned)
        self.insert({scanned->device, scanned->inode});
    if (auto id = idOf(location.native(), false))
        self.insert(*id);
    const std::set<Id>& around = ancestorsOf(location.parent_path());
    const std::string text = PathOps::tidy(location.native());

    std::optional<std::string> first;
    for (Kept& k : kept_) {
        const bool hit = meets(self, k.self) || meets(self, k.ancestors) || meets(k.self, around) ||
                         within(text, k.text) || within(k.text, text);
        if (!hit)
            continue;
        k.used = true;
        if (!first)
            first = k.argument;
    }
    return first;
}

std::vector<std::string> KeptPaths::unused() const {
    std::vector<std::string> out;
    for (const Kept& k : kept_)
        if (!k.used)
            out.push_back(k.argument);
    return out;
}

} // namespace dovrel
