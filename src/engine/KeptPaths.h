#pragma once

#include "fs/FileIdentity.h"
#include "fs/Types.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace dovrel {

// Paths the user keeps (the keep list, `clean --keep`), each known by the identity (device, inode) of
// what it names, so that it matches however it is spelled: through a link,
// with a trailing slash, with "." or doubled slashes.
//
// A path is resolved as the system resolves it when the user opens it: the
// links in it are followed, the last one too (and the link itself counts as
// well). A found location is kept back when
//  - it is what a kept path names,
//  - a kept path lies inside it (removing it would remove the kept path: the
//    whole location stays), or
//  - it lies inside a kept path,
// judged by identity along the real folders each lies in, and also by the
// text of the paths. Keeping more than asked is the safe side: a hard link or
// a bind mount of a kept item keeps that location too.
class KeptPaths {
public:
    using Id = std::pair<std::uint64_t, std::uint64_t>; // device, inode

    // Resolves one path now. False, with `error` saying why, when it names
    // nothing.
    bool add(const std::string& argument, std::string& error);

    bool empty() const { return kept_.empty(); }

    // The argument of the first kept path that holds `location` back, or
    // nothing when none does. `scanned` is who the scan saw at the location.
    // Every kept path that matches is marked as used.
    std::optional<std::string> keepsBack(const Location& location,
                                         const std::optional<FileIdentity>& scanned);

    // The arguments that matched none of the locations asked about so far.
    std::vector<std::string> unused() const;

private:
    struct Kept {
        std::string argument;
        std::string text;       // absolute, normalised
        std::set<Id> self;      // what it names: the entry and, followed, its target
        std::set<Id> ancestors; // every real folder it lies in
        bool used = false;
    };

    const std::set<Id>& ancestorsOf(const Location& folder);

    std::vector<Kept> kept_;
    std::map<std::string, std::set<Id>> ancestorCache_;
};

} // namespace dovrel
