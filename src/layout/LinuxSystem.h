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
    // The package managers to ask as well, where this machine has them
    // (found on $PATH): a leftover needs their agreement too.
    std::optional<Location> flatpakProgram;
    std::optional<Location> snapProgram;
    // The locale for localised names (LC_ALL, LC_MESSAGES or LANG).
    std::string locale;

    // This machine, from `environment`; `etc` stands for /etc.
    static LinuxSystem standard(const XdgDirs::Environment& environment, const Location& etc = "/etc");

    // A machine of its own below `root` (sample homes, tests): root/share
    // for the data directories, root/flatpak as its one system-wide
    // installation, root/snap, and root/bin's flatpak and snap programs when
    // present. Nothing of this machine is read but the locale.
    static LinuxSystem underRoot(const Location& root, const XdgDirs::Environment& environment);
    // `environment` with $XDG_DATA_DIRS set to root/share.
    static XdgDirs::Environment environmentUnderRoot(const Location& root, XdgDirs::Environment environment);

    // The Path= of every [Installation "..."] group of the *.conf files in
    // `folder`; false when one of them, or the folder itself, exists but
    // could not be read.
    static bool readFlatpakInstallations(const Location& folder, std::vector<Location>& out);
};

} // namespace dovrel
