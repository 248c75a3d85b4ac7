#pragma once

#include "fs/Types.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace dovrel {

// What a package manager itself says is installed, asked by running it.
// The installation folders are read first; this is the second opinion that
// keeps an application the folders missed (an installation we do not know
// of) from being called a leftover. Any doubt gives no answer: a program
// that cannot start, exits with an error, prints what we cannot read or
// takes longer than `timeoutMs`.
class PackageManagerList {
public:
    // `flatpak list --app --columns=application`: every installation's apps.
    static std::optional<std::set<std::string>> flatpakApps(const Location& program,
                                                            int timeoutMs = kTimeoutMs);
    // `snap list`: the installed snaps' names.
    static std::optional<std::set<std::string>> snaps(const Location& program, int timeoutMs = kTimeoutMs);

    // The readers of the two outputs: one id per line (a header line that is
    // no id is skipped), and snap's table whose first column is the name.
    // Absent when a line cannot be read as the list.
    static std::optional<std::set<std::string>> parseFlatpakApps(std::string_view output);
    static std::optional<std::set<std::string>> parseSnaps(std::string_view output);

    static constexpr int kTimeoutMs = 10000;
};

} // namespace dovrel
