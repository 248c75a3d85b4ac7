#pragma once

#include "engine/CleanerItem.h"
#include "fs/Types.h"

#include <QIcon>
#include <QString>

#include <optional>
#include <vector>

namespace dovrel {

// How one entry of the results outline is presented and what its context
// actions act on:
//
//   record              title                        icon                     locations
//   CacheItem           label                        its image                url
//   LargeFile           last component of url_file   the file's type icon     url_file
//   RemainderItem       label                        "Smart remainders"       files (all / first)
//   CleanerItem source  fixed name by type (below)   the application's icon   none (no menu)
//
//   "browsers":     "chrome" Google Chrome, "mozilla" Firefox, "safari" Safari
//   "mail-clients": "airmail" Airmail, "apple-mail" Mail, "spark" Saprk
//
// A source of another group or type has no row view (nothing is drawn).
// Titles made from path bytes replace invalid UTF-8 when shown; the
// locations keep the bytes.
class OutlineEntry {
public:
    static QString title(const ResultEntry& entry);
    static bool hasRowView(const ResultEntry& entry);
    // The application bundle whose icon a browser or mail row shows:
    // "/Applications/<name>.app" is looked up in the granted Applications
    // folder (absent without one); Mail is "/System/Applications/Mail.app"
    // on systems from 10.15 on, else in the Applications folder.
    static std::optional<Location> applicationOf(const ResultEntry& entry,
                                                 const std::optional<Location>& applicationsFolder);
    // The icon of the row; a generic one where the record names nothing usable.
    static QIcon icon(const ResultEntry& entry, const std::optional<Location>& applicationsFolder);

    // Rows that get a context menu: every entry but browser and mail sources.
    static bool hasContextMenu(const ResultEntry& entry);
    // What the file manager shows (every location of a leftover; nothing for
    // a source).
    static std::vector<Location> fileManagerLocations(const ResultEntry& entry);
    // What the preview and the information window show (a leftover's first).
    static std::optional<Location> firstLocation(const ResultEntry& entry);
};

} // namespace dovrel
