#pragma once

#include "fs/Types.h"
#include "layout/XdgDirs.h"

#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// What the Linux layout reads outside the granted home, only ever to learn
// what is installed (nothing here is measured or removed). Every root can be
// replaced, so tests and sample homes describe a machine of their own.
struct LinuxSystem {
    // System-wide Flatpak installations, each holding app/<id>:
    // /var/lib/flatpak, $FLATPAK_SYSTEM_DIR and the Path= of every
    // installation in /etc/flatpak/installations.d.
    std::vector<Location> flatpakSystemInstallations;
    // True when an installations.d file could not be read: some installation
    // is unknown, so no Flatpak data may be called a leftover.
    bool flatpakConfigUnreadable = false;
    // The per-user installation when $FLATPAK_USER_DIR moves it; else it is
    // $XDG_DATA_HOME/flatpak.
    std::optional<Location> flatpakUserInstallation;
    // Where installed snaps are mounted, one folder per snap name.
    Location snapRoot = "/snap";
    // The locale for localised names (LC_ALL, LC_MESSAGES or LANG).
    std::string locale;

    // This machine, from `environment`; `etc` stands for /etc.
    static LinuxSystem standard(const XdgDirs::Environment& environment, const Location& etc = "/etc");

    // The Path= of every [Installation "..."] group of the *.conf files in
    // `folder`; false when one of them could not be read.
    static bool readFlatpakInstallations(const Location& folder, std::vector<Location>& out);
};

} // namespace dovrel
