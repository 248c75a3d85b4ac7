#include "scheduler/BundleLayout.h"

#include "catalogue/PlistReader.h"

#include <sys/stat.h>

namespace dovrel {

namespace {

// A name that stays inside the folder it is joined to.
bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

std::filesystem::path fileName(const QString& name) {
    return std::filesystem::path(name.toUtf8().toStdString());
}

} // namespace

std::filesystem::path BundleLayout::withoutTrailingSeparator(const std::filesystem::path& path) {
    std::filesystem::path p = path.lexically_normal();
    std::string bytes = p.native();
    while (bytes.size() > 1 && bytes.back() == '/')
        bytes.pop_back();
    return std::filesystem::path(bytes);
}

std::filesystem::path BundleLayout::currentExecutable() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
}

std::filesystem::path BundleLayout::bundleOfExecutable(const std::filesystem::path& executable) {
    if (executable.empty())
        return {};
    const std::filesystem::path exe = withoutTrailingSeparator(executable);
    const std::filesystem::path macos = exe.parent_path();
    const std::filesystem::path contents = macos.parent_path();
    if (macos.filename() == "MacOS" && contents.filename() == "Contents")
        return contents.parent_path();
    return macos;
}

std::filesystem::path BundleLayout::enclosingApplication(const std::filesystem::path& agentBundle) {
    std::filesystem::path p = withoutTrailingSeparator(agentBundle);
    for (int i = 0; i < 4; ++i)
        p = p.parent_path();
    return p;
}

std::filesystem::path BundleLayout::agentExecutable(const std::filesystem::path& applicationBundle) {
    return withoutTrailingSeparator(applicationBundle) / "Contents" / "Library" / "LoginItems" /
           kAgentBundleName / "Contents" / "MacOS" / kAgentExecutableName;
}

std::filesystem::path BundleLayout::executableOfBundle(const std::filesystem::path& bundle) {
    const std::filesystem::path root = withoutTrailingSeparator(bundle);
    const std::optional<QString> name = infoString(root, "CFBundleExecutable");
    if (!name || !isPlainFileName(*name))
        return root / "Contents" / "MacOS" / root.stem();
    return root / "Contents" / "MacOS" / fileName(*name);
}

std::optional<std::filesystem::path> BundleLayout::iconOfBundle(const std::filesystem::path& bundle) {
    const std::filesystem::path root = withoutTrailingSeparator(bundle);
    const std::optional<QString> name = infoString(root, "CFBundleIconFile");
    if (!name || !isPlainFileName(*name))
        return std::nullopt;
    std::filesystem::path icon = root / "Contents" / "Resources" / fileName(*name);
    struct stat st {};
    if (::stat(icon.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return icon;
}

std::optional<QString> BundleLayout::infoString(const std::filesystem::path& bundle, std::string_view key) {
    return PlistReader::readInfoPlist(withoutTrailingSeparator(bundle)).value(key);
}

} // namespace dovrel
