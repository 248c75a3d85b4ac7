#pragma once

#include "engine/RemainderItem.h"
#include "engine/Types.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace dovrel {

class Application;
class Cache;
class Defaults;
class SizeMemo;

// Leftovers of applications that are gone: entries of five Library folders
// (Caches, Containers, Saved Application State, Application Scripts,
// Preferences) named after a reverse-domain identifier that no installed
// application owns, grouped per identifier.
//
// Everything reported here starts out ticked and is deleted for good, so the
// pass errs on the side of keeping:
//  - an identifier is owned when it, or any dotted prefix of it with at least
//    three pieces, equals an installed identifier ignoring case; owned
//    identifiers are never leftovers, and a group never takes an entry whose
//    own identifier is owned or whose name contains "com.apple";
//  - installed are the catalogue's bundles and, besides, every bundle down to
//    eight levels (InstalledBundles) in the Applications folder ("Utilities"
//    included), Downloads and ~/Applications;
//  - a bundle whose identifier cannot be read (no Info.plist, damaged, no
//    CFBundleIdentifier or a blank one) holds back every identifier that ends in its name:
//    both reduced to their letters and digits, folded for case and
//    diacritics ("Mystery Editor.app" holds back com.example.MysteryEditor
//    and org.x.mystery-editor). Held-back identifiers are treated as owned;
//  - with no Applications grant, or no bundle found in that folder, the
//    catalogue cannot be trusted and the pass reports nothing.
//
// Identifiers and labels are made from the entries' name bytes (NameText), so
// names that differ only in a byte that is not UTF-8 give separate groups.
//
// Not thread-safe: one pass at a time (the smart scan's worker).
class Remainders {
public:
    static Remainders* sharedRemainder();

    // A pass over explicit folders reading the given catalogue (tests, the
    // headless front end). Shared ones are used when null.
    Remainders(std::optional<Location> url_home, std::optional<Location> url_applications,
               Cache* cache = nullptr, Application* application = nullptr);

    Defaults* app_settings = nullptr;
    std::optional<Location> url_applications;
    std::optional<Location> url_home;
    std::optional<Location> url_library;

    // The bundles the last pass took as installed (see above).
    std::vector<Location> installedApplications;
    std::vector<std::shared_ptr<RemainderItem>> remaindersItems;
    ByteCount totalRemaidersSize = 0;

    // One pass: the groups of positive size sorted by label. `memo` (optional)
    // shares totals within one smart scan.
    std::vector<std::shared_ptr<RemainderItem>> smart_remianders(SizeMemo* memo = nullptr);

    // "Editor by Example" for com.example.editor.
    static QString setLabel(const QString& identifier);

    // True when the identifier or a dotted prefix of at least three pieces
    // equals one of `installed` ignoring case. `installed` must be folded to
    // lower case.
    static bool isOwned(const QString& identifier, const QStringList& installedLower);

    // The name key of a bundle whose identifier cannot be read: its name
    // without ".app", reduced by compact().
    static QString nameKey(const Location& bundle);
    // True when the identifier, reduced by compact(), ends in one of the keys.
    // An empty key (a name without letters or digits) holds back everything.
    static bool isHeldBack(const QString& identifier, const QStringList& unreadableKeys);
    // Letters and digits only, folded for case and diacritics.
    static QString compact(const QString& text);

    ByteCount overall_size_of_files(const std::vector<Location>& locations) const;
    ByteCount overall_size_of_direcory(const Location& folder) const;

private:
    Cache* cache_;
    Application* application_;
};

} // namespace dovrel
