#pragma once

#include "catalogue/CacheItem.h"
#include "catalogue/RemainderItem.h"
#include "engine/CleanerItem.h"
#include "engine/LargeFile.h"
#include "fs/DirectoryListing.h"
#include "fs/Types.h"
#include "layout/DesktopCatalogue.h"
#include "layout/InstalledNames.h"
#include "layout/LinuxSystem.h"
#include "layout/SkippedPlace.h"
#include "layout/XdgDirs.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dovrel {

class SizeMemo;

// The seven categories on a Linux home laid out the freedesktop way.
//
// Everything found lies inside the granted home; outside it only the
// installation folders and desktop entries are read, to know what is
// installed. Each finder gives the records the macOS scan gives for its
// category, so the scan can take either:
//
//   category    finder           records             where
//   caches      caches()         CacheItem           every top-level entry of $XDG_CACHE_HOME;
//                                                    .var/app/<id>/cache of installed Flatpak apps;
//                                                    developer tools' download caches (ToolCaches)
//   logs        logs()           LargeFile           .xsession-errors(.old); $XDG_DATA_HOME/xorg/*.log(.old),
//                                                    regular files only
//   remainders  remainders()     RemainderItem       .var/app/<id> of uninstalled Flatpak apps;
//                                                    snap/<name> of removed snaps
//   browsers    LinuxBrowsers    CleanerItem sources "chrome" (Chrome, then Chromium), "mozilla"
//   mails       mails()          (none)              nothing: see below
//   installs    installs()       LargeFile           Downloads, Desktop, Documents, one level
//   trash       LinuxTrash       LargeFile           $XDG_DATA_HOME/Trash/files, named from info/
//
// Mails stay empty: no Linux mail client keeps downloaded attachments in a
// documented place of their own. Thunderbird and Evolution keep them inside
// their mail stores, which are never ours to take; what Evolution caches of
// a remote account lies in ~/.cache/evolution and is a cache already.
//
// A category folder reached through a symbolic link (~/.cache, ~/snap or
// the Trash linked to another disk) is not scanned: what lies behind it is
// not the home's, and removal refuses any path through a link. Such links
// are listed in skipped().
//
// Leftovers are reported only against installations that were all read: no
// Flatpak installation folder at all, an unreadable one, or an
// installations.d file that cannot be read gives no Flatpak leftovers; no
// (or an unreadable) snap root gives no snap leftovers. Where the machine has
// the flatpak or snap program, what it lists counts as installed too, and a
// program that fails to answer gives no leftovers of its kind. .config and
// .local/share are never looked at for leftovers.
//
// Wiring into the scan (Cleaner, SmartScan, LinuxCategoryScan):
//  - the scan chooses HomeLayout::choose(home) unless forced (--layout,
//    Preferences); on Linux it builds XdgDirs::resolve(home,
//    XdgDirs::processEnvironment()) and LinuxSystem::standard(...) once and a
//    LinuxLayout from them; the macOS path stays exactly as it is;
//  - each category's scan function calls the finder above in place of its
//    macOS body, with the scan's SizeMemo; the category totals are the
//    finders' totals; the browser sources fill browser_chrome_item and
//    browser_mozilla_item (browser_safari_item stays absent), the mail
//    sources stay absent except apple_mail_item, made with no files;
//  - the removal of the hand-over goes through TrashPairRemoval (wrapping the
//    same Remover) so a Trash entry and its .trashinfo go together; the
//    Remover's fixed folders hold the Linux ones (.cache, .local/share/Trash
//    and its files and info folders, .var/app, snap, .config, Downloads, ...);
//  - the JSON gets one new top-level field "layout" ("macos" or "linux",
//    HomeLayout::name); every other field keeps its shape.
//  - the first-launch screen on a freedesktop home (or with Linux chosen in
//    Preferences) needs the home folder only
//    (HomeLayout::needsApplicationsGrant):
//    the catalogue comes from desktop entries and installation folders that
//    every user may read, so there is no Applications folder to grant.
//
// Not thread-safe: one scan at a time.
class LinuxLayout {
public:
    LinuxLayout(XdgDirs dirs, LinuxSystem system);

    const XdgDirs& dirs() const { return dirs_; }
    const LinuxSystem& system() const { return system_; }

    // Reads the desktop entries and the installations; caches() does it first.
    void loadCatalogue();
    const DesktopCatalogue& catalogue() const { return catalogue_; }

    // The data directories the desktop entries come from, in precedence
    // order: $XDG_DATA_HOME, the per-user Flatpak exports, $XDG_DATA_DIRS,
    // the system Flatpak installations' exports.
    std::vector<Location> catalogueDataDirs() const;

    // Caches of positive size, sorted by label; `total` is every measured
    // entry's size (zero-sized ones included, as the macOS scan counts).
    // Hidden entries of the cache folder are skipped.
    std::vector<std::shared_ptr<CacheItem>> caches(SizeMemo& sizes, ByteCount& total);

    // The session and X server logs that are regular files, in name order.
    std::vector<std::shared_ptr<LargeFile>> logs(SizeMemo& sizes, ByteCount& total);

    // Leftover groups of positive size, sorted by label (the catalogue is
    // read first unless caches() did).
    std::vector<std::shared_ptr<RemainderItem>> remainders(SizeMemo& sizes, ByteCount& total);

    // Always empty (see above).
    std::vector<std::shared_ptr<CleanerItem>> mails() const { return {}; }

    // Installer files directly in Downloads, Desktop and Documents (hidden
    // ones skipped, extension compared exactly), in name order.
    std::vector<std::shared_ptr<LargeFile>> installs(SizeMemo& sizes, ByteCount& total);
    static const std::vector<std::string>& installerExtensions();

    // $XDG_DATA_HOME/Trash.
    Location trashFolder() const { return dirs_.dataHome / "Trash"; }

    // `folder` when no folder from the home down to it is a symbolic link;
    // else absent, and the link is noted once in skipped().
    std::optional<Location> reachable(const Location& folder);
    void noteSkipped(SkippedPlace place);
    const std::vector<SkippedPlace>& skipped() const { return skipped_; }

    // The per-user Flatpak installation and every system-wide one.
    std::vector<Location> flatpakInstallations() const;
    // The installed Flatpak ids, or absent when some installation could not
    // be read or none exists (then nothing of Flatpak is a leftover).
    std::optional<std::set<std::string>> installedFlatpaks() const;
    // The installed snaps, or absent when the snap root is missing or unreadable.
    std::optional<std::set<std::string>> installedSnaps() const;

private:
    std::vector<DirectoryListing::Entry> listReachable(const Location& folder, bool skipHidden);

    XdgDirs dirs_;
    LinuxSystem system_;
    DesktopCatalogue catalogue_;
    std::optional<std::set<std::string>> flatpaks_;
    std::optional<std::set<std::string>> snaps_;
    bool loaded_ = false;
    std::vector<SkippedPlace> skipped_;
};

} // namespace dovrel
