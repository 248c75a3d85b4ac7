#pragma once

#include "catalogue/ApplicationItem.h"
#include "catalogue/BundleInfo.h"
#include "catalogue/IconRef.h"
#include "fs/Types.h"

#include <QString>

#include <optional>

namespace dovrel {

class Defaults;

// Turns one application bundle on disk into an ApplicationItem.
//
// Holds no catalogue: every application() call reads the bundle afresh and
// returns a new record. A location that is not a readable bundle still gives
// a record: label and icon come from the path alone, bundle, company_name and
// app_icon are absent and the text fields hold their fallbacks ("empty_string",
// "null_string", "1.0"). Reads only the bundle; safe to call on any thread.
//
// The eleven set... operations compute one field each from the bundle (their
// names are the system's; they change nothing). Each public one reads the
// bundle's Info.plist itself; application() reads it once and derives every
// field from that one reading.
class Application {
public:
    // The one process-wide instance, created on the first call (once, also
    // when first calls race) from the "home" and "Applications" grants of the
    // standard defaults. Never destroyed.
    static Application* sharedApplication();

    // An instance over the given folders (tests, tools). `app_settings` may be
    // null; the shared instance passes the standard defaults.
    Application(std::optional<Location> url_home, std::optional<Location> url_applications,
                Defaults* app_settings = nullptr);

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Fixed at creation. url_library is url_home + "Library"; each is absent
    // when its grant is missing or does not resolve.
    Defaults* const app_settings;
    const std::optional<Location> url_home;
    const std::optional<Location> url_library;
    const std::optional<Location> url_applications;

    // A new record for the bundle at `bundle`.
    ApplicationItem application(const Location& bundle) const;

    // Display name of the path (DisplayName).
    QString setLabel(const Location& path) const;
    // "CFBundleName" with every " " replaced by "_", else "empty_string".
    QString setLabelName(const Location& bundle) const;
    // The icon the desktop shows for the path.
    IconRef setIcon(const Location& path) const;
    // The image file named by "CFBundleIconFile" in Contents/Resources, when
    // it is a regular, readable, non-empty file (a symbolic link counts while
    // it stays inside the bundle, and gives the file it leads to; FIFOs and
    // device nodes are never opened); else absent.
    std::optional<IconRef> setAppIcon(const Location& bundle) const;
    // "CFBundleIdentifier", else absent.
    std::optional<QString> setBundle(const Location& bundle) const;
    // Last "."-separated component of the identifier, else "empty_string".
    QString setBundleName(const Location& bundle) const;
    // "CFBundleName", else "empty_string".
    QString setBundleNameInfo(const Location& bundle) const;
    // "CFBundleExecutable", else "empty_string".
    QString setExecutableInfo(const Location& bundle) const;
    // Second "."-separated component of the identifier (the whole identifier
    // when it has no "."), else absent.
    std::optional<QString> setCompanyName(const Location& bundle) const;
    // "CFBundleShortVersionString", else "CFBundleVersion", else "1.0".
    QString setAppVeersion(const Location& bundle) const;
    // "LogName", else "null_string".
    QString setLogFileName(const Location& bundle) const;

private:
    QString setLabelName(const BundleInfo& info) const;
    std::optional<IconRef> setAppIcon(const Location& bundle, const BundleInfo& info) const;
    std::optional<QString> setBundle(const BundleInfo& info) const;
    QString setBundleName(const BundleInfo& info) const;
    QString setBundleNameInfo(const BundleInfo& info) const;
    QString setExecutableInfo(const BundleInfo& info) const;
    std::optional<QString> setCompanyName(const BundleInfo& info) const;
    QString setAppVeersion(const BundleInfo& info) const;
    QString setLogFileName(const BundleInfo& info) const;
};

} // namespace dovrel
