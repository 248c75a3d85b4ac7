#pragma once

#include "engine/KeptPaths.h"
#include "fs/Types.h"

#include <QByteArray>

#include <optional>
#include <string>
#include <vector>

namespace dovrel {

class Defaults;

// The paths the user always keeps: never offered by a scan, never removed.
// One store shared by the application, the command-line tool and the
// reminder agent: the settings domain "com.halvik.dovrel-cleaner.kept", key
// "Paths" (see docs/defaults-format.md), written under the settings lock
// with an atomic rename like every other setting.
//
// A path is stored as the user meant it when adding it: absolute, with its
// links resolved then, byte for byte. A kept path keeps itself and all it
// holds, and a found location holding a kept path is kept whole (KeptPaths).
//
// A damaged store is never read as an empty list silently: callers first
// call setAsideIfDamaged(), which moves the file aside (the settings'
// set-aside handler tells the user) and only then is the list empty.
class KeepList {
public:
    static constexpr const char* kDomain = "com.halvik.dovrel-cleaner.kept";
    static constexpr const char* kKey = "Paths";

    explicit KeepList(Defaults& store) : store_(store) {}
    // The store of this user's settings folder.
    static Defaults& standardStore();

    // The stored paths in the order they were added; absent while the store
    // is damaged.
    std::optional<std::vector<Location>> paths() const;
    // Resolves `path` now and stores it (once). False, with `error`, when it
    // names nothing or the store cannot be written.
    bool add(const Location& path, std::string& error);
    // Forgets the stored path that `path` names (resolved now, or as
    // written when it names nothing any more). False, with `error`, when no
    // stored path matches or the store cannot be written.
    bool remove(const Location& path, std::string& error);
    // Whether `path`, resolved now, is a stored path itself.
    bool holdsExactly(const Location& path) const;

    // Every stored path resolved now, for matching found locations; paths
    // that name nothing any more keep nothing.
    KeptPaths matcher() const;

    // Sets a damaged store aside (told through the set-aside handler) and
    // starts an empty list; true when it did.
    bool setAsideIfDamaged();

    static QByteArray encode(const std::vector<Location>& paths);
    static std::optional<std::vector<Location>> decode(const QByteArray& data);
    // `path` absolute with its links resolved, or absent when it names nothing.
    static std::optional<Location> resolved(const Location& path);

private:
    Defaults& store_;
};

} // namespace dovrel
