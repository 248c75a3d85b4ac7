#include "catalogue/Application.h"

#include "catalogue/BundleFile.h"
#include "catalogue/DisplayName.h"
#include "catalogue/PlistReader.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"

#include <array>

namespace dovrel {

namespace {

const QString kEmptyString = QStringLiteral("empty_string");
const QString kNullString = QStringLiteral("null_string");
const QString kDefaultVersion = QStringLiteral("1.0");

// Extensions tried, in order, when an icon name has no file of its own: the
// image types a bundle's image-resource lookup knows.
constexpr std::array<const char*, 8> kImageExtensions{".icns", ".png",  ".tiff", ".tif",
                                                      ".jpg",  ".jpeg", ".gif",  ".bmp"};

std::optional<Location> libraryOf(const std::optional<Location>& home) {
    if (!home)
        return std::nullopt;
    return *home / "Library";
}

std::optional<Location> grantedFolder(const Defaults& defaults, const char* key) {
    return Grant::resolve(defaults, QString::fromLatin1(key)).folder;
}

// The image file at `relative` inside the bundle: a regular file that can be
// opened for reading and is not empty. Its type is looked at before it is
// opened, so a FIFO or device node is never opened; a symbolic link counts
// only while it stays inside the bundle, and the location given is the file
// the link leads to.
std::optional<Location> readableImageFile(const Location& bundle, const std::string& relative) {
    const BundleFile file(bundle, relative);
    if (!file.isOpen() || file.status().st_size <= 0)
        return std::nullopt;
    return file.path();
}

} // namespace

Application* Application::sharedApplication() {
    static Application* const shared = [] {
        Defaults& settings = Defaults::standard();
        return new Application(grantedFolder(settings, Grant::kHomeKey),
                               grantedFolder(settings, Grant::kApplicationsKey), &settings);
    }();
    return shared;
}

Application::Application(std::optional<Location> home, std::optional<Location> applications,
                         Defaults* settings)
    : app_settings(settings), url_home(std::move(home)), url_library(libraryOf(url_home)),
      url_applications(std::move(applications)) {}

ApplicationItem Application::application(const Location& bundle) const {
    const BundleInfo info = PlistReader::readInfoPlist(bundle);
    ApplicationItem item;
    item.label = setLabel(bundle);
    item.label_name = setLabelName(info);
    item.url = bundle;
    item.icon = setIcon(bundle);
    item.app_icon = setAppIcon(bundle, info);
    item.bundle = setBundle(info);
    item.bundle_name = setBundleName(info);
    item.bundle_name_info = setBundleNameInfo(info);
    item.executable_info = setExecutableInfo(info);
    item.company_name = setCompanyName(info);
    item.app_version = setAppVeersion(info);
    item.log_file_name = setLogFileName(info);
    return item;
}

// ---- public derivations: each reads the bundle itself ----

QString Application::setLabel(const Location& path) const {
    return DisplayName::of(path);
}

QString Application::setLabelName(const Location& bundle) const {
    return setLabelName(PlistReader::readInfoPlist(bundle));
}

IconRef Application::setIcon(const Location& path) const {
    return IconRef::fileSystemIconOf(path);
}

std::optional<IconRef> Application::setAppIcon(const Location& bundle) const {
    return setAppIcon(bundle, PlistReader::readInfoPlist(bundle));
}

std::optional<QString> Application::setBundle(const Location& bundle) const {
    return setBundle(PlistReader::readInfoPlist(bundle));
}

QString Application::setBundleName(const Location& bundle) const {
    return setBundleName(PlistReader::readInfoPlist(bundle));
}

QString Application::setBundleNameInfo(const Location& bundle) const {
    return setBundleNameInfo(PlistReader::readInfoPlist(bundle));
}

QString Application::setExecutableInfo(const Location& bundle) const {
    return setExecutableInfo(PlistReader::readInfoPlist(bundle));
}

std::optional<QString> Application::setCompanyName(const Location& bundle) const {
    return setCompanyName(PlistReader::readInfoPlist(bundle));
}

QString Application::setAppVeersion(const Location& bundle) const {
    return setAppVeersion(PlistReader::readInfoPlist(bundle));
}

QString Application::setLogFileName(const Location& bundle) const {
    return setLogFileName(PlistReader::readInfoPlist(bundle));
}

// ---- derivations from one reading of Info.plist ----

QString Application::setLabelName(const BundleInfo& info) const {
    auto name = info.value("CFBundleName");
    if (!name)
        return kEmptyString;
    return name->replace(QLatin1Char(' '), QLatin1Char('_'));
}

std::optional<IconRef> Application::setAppIcon(const Location& bundle, const BundleInfo& info) const {
    auto value = info.value("CFBundleIconFile");
    if (!value)
        return std::nullopt;
    QString name = *value;
    if (name.contains(QLatin1String(".i")))
        name.truncate(name.indexOf(QLatin1Char('.')));
    // The name is looked up inside Contents/Resources only: nothing that
    // would climb out of it or name a sub-folder.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        return std::nullopt;
    const std::string base = "Contents/Resources/" + name.toStdString();
    if (auto exact = readableImageFile(bundle, base))
        return IconRef::file(*exact);
    for (const char* extension : kImageExtensions) {
        if (auto candidate = readableImageFile(bundle, base + extension))
            return IconRef::file(*candidate);
    }
    return std::nullopt;
}

std::optional<QString> Application::setBundle(const BundleInfo& info) const {
    return info.value("CFBundleIdentifier");
}

QString Application::setBundleName(const BundleInfo& info) const {
    auto identifier = setBundle(info);
    if (!identifier)
        return kEmptyString;
    return identifier->section(QLatin1Char('.'), -1);
}

QString Application::setBundleNameInfo(const BundleInfo& info) const {
    return info.value("CFBundleName").value_or(kEmptyString);
}

QString Application::setExecutableInfo(const BundleInfo& info) const {
    return info.value("CFBundleExecutable").value_or(kEmptyString);
}

std::optional<QString> Application::setCompanyName(const BundleInfo& info) const {
    auto identifier = setBundle(info);
    if (!identifier)
        return std::nullopt;
    if (!identifier->contains(QLatin1Char('.')))
        return identifier;
    return identifier->section(QLatin1Char('.'), 1, 1);
}

QString Application::setAppVeersion(const BundleInfo& info) const {
    if (auto shortVersion = info.value("CFBundleShortVersionString"))
        return *shortVersion;
    return info.value("CFBundleVersion").value_or(kDefaultVersion);
}

QString Application::setLogFileName(const BundleInfo& info) const {
    return info.value("LogName").value_or(kNullString);
}

} // namespace dovrel
