#pragma once

#include "engine/CleanerItem.h"
#include "fs/Types.h"

#include <memory>
#include <vector>

namespace dovrel {

class SizeMemo;

// The browser sources of a Linux home.
//
// "chrome": the Default profile of Google Chrome ($XDG_CONFIG_HOME/google-chrome)
// and of Chromium ($XDG_CONFIG_HOME/chromium), Chrome's first, each giving the
// six locations the macOS layout takes (Application Cache, Local Storage,
// Storage, Sync Data, Thumbnails, Session Storage; missing ones count 0).
// A profile takes part when its Default folder exists (today's browsers no
// longer make Application Cache); the source exists when one does.
//
// "mozilla": the "storage" folder of every Firefox profile in
// .mozilla/firefox and in $XDG_CONFIG_HOME/mozilla/firefox (where Firefox
// keeps new profiles when the first does not exist): for each of the two,
// first those its profiles.ini names (Path= relative to that folder, or
// absolute and inside the home), then the other folders of its listing; each
// profile once, only storage folders that exist. The source exists when one
// of the two folders does, possibly with no files.
//
// A source lists the browsers running on it (BrowserInUse: Chrome's or
// Chromium's user-data folder, a Firefox profile) in in_use_by; its data is
// still measured and listed.
//
// There is no "safari" source.
class LinuxBrowsers {
public:
    struct Sources {
        std::shared_ptr<CleanerItem> chrome;  // null when absent
        std::shared_ptr<CleanerItem> mozilla; // null when absent
    };

    static Sources find(const Location& home, const Location& configHome, SizeMemo& sizes);

    // The Firefox profile folders in the order above.
    static std::vector<Location> firefoxProfiles(const Location& home, const Location& configHome);

private:
    // Those of .mozilla/firefox and $XDG_CONFIG_HOME/mozilla/firefox that exist.
    static std::vector<Location> firefoxRoots(const Location& home, const Location& configHome);
};

} // namespace dovrel
