#pragma once

#include "catalogue/ApplicationItem.h"
#include "fs/Types.h"
#include "layout/DesktopEntry.h"

#include <QHash>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace dovrel {

// The installed applications of a Linux home as its desktop entries describe
// them, and the attribution of a cache folder to one of them.
//
// Entries are read from the "applications" folder of each data directory in
// the order given (the per-user one first, then Flatpak's exported ones and
// the system ones; see LinuxLayout), subfolders included: the desktop-file id
// of applications/kde/org.example.Tool.desktop is kde-org.example.Tool. An id
// seen in an earlier folder hides the same id in a later one. Every file is
// read through the guarded KeyFile read; a damaged one is simply not there.
//
// A folder name is attributed to the first entry it equals, ignoring case,
// by: desktop-file id, then the id's last dotted piece
// (org.mozilla.firefox -> firefox), then StartupWMClass, then the program
// name of Exec; a well-known folder none of them names goes to the first
// installed entry of a small table (mozilla -> firefox, firefox-esr,
// org.mozilla.firefox, ...). The record made for an entry has the entry's Name as label
// and its Icon, found in the hicolor theme of the same data directories, as
// icon; its `bundle` is the desktop-file id and `url` the .desktop file.
class DesktopCatalogue {
public:
    // Bounds on what one load reads: nesting below an applications folder and
    // entries in all.
    static constexpr int kMaxDepth = 3;
    static constexpr std::size_t kMaxEntries = 20000;

    // Reads the entries of `dataDirs` (each holding "applications" and
    // "icons"); `locale` picks localised names (empty: unlocalised).
    void load(const std::vector<Location>& dataDirs, const std::string& locale);

    const std::vector<DesktopEntry>& entries() const { return entries_; }

    // The record of the application owning a folder so named, or null.
    std::shared_ptr<ApplicationItem> owner(const QString& folderName) const;

    // The record of the entry whose desktop-file id is `id` (ignoring case), or null.
    std::shared_ptr<ApplicationItem> byId(const QString& id) const;

private:
    void readFolder(const Location& folder, const std::string& idPrefix, int depth,
                    const std::string& locale);

    std::vector<DesktopEntry> entries_;
    std::vector<std::shared_ptr<ApplicationItem>> records_;
    QHash<QString, qsizetype> ids_, lastPieces_, wmClasses_, programs_;
    std::vector<Location> dataDirs_;
};

} // namespace dovrel
