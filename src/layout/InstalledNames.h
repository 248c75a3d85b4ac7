#pragma once

#include "fs/Types.h"

#include <set>
#include <string>

namespace dovrel {

// The names listed in one installation folder: the application ids of a
// Flatpak installation's "app" folder, the snap names of /snap. Whether the
// folder could be read matters as much as what it holds: a leftover is only
// ever reported against installations that were all read.
class InstalledNames {
public:
    enum class State {
        Absent,     // the folder does not exist: nothing is installed there
        Unreadable, // it exists (or may) but cannot be listed: unknown
        Listed,     // listed; names() is what is installed
    };

    static InstalledNames read(const Location& folder);

    State state() const { return state_; }
    const std::set<std::string>& names() const { return names_; }
    bool contains(const std::string& name) const { return names_.count(name) != 0; }

private:
    State state_ = State::Absent;
    std::set<std::string> names_;
};

} // namespace dovrel
