#include "scheduler/BundleLayout.h"

#include <plist/plist.h>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

namespace {

constexpr off_t kMaxInfoPlistSize = 1024 * 1024;

// A name that stays inside the folder it is joined to.
bool isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

std::optional<std::string> readSmallRegularFile(const std::filesystem::path& file) {
    // O_NONBLOCK: a FIFO planted at the path must not block us.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> result;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxInfoPlistSize) {
        std::string bytes;
        char buf[16384];
        bool ok = true;
        for (;;) {
            ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                ok = false;
                break;
            }
            if (n == 0)
                break;
            bytes.append(buf, static_cast<size_t>(n));
            if (static_cast<off_t>(bytes.size()) > kMaxInfoPlistSize) {
                ok = false;
                break;
            }
        }
        if (ok)
            result = std::move(bytes);
    }
    ::close(fd);
    return result;
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
    std::optional<std::string> name = infoString(root, "CFBundleExecutable");
    if (!name || !isPlainFileName(*name))
        name = root.stem().native();
    return root / "Contents" / "MacOS" / *name;
}

std::optional<std::filesystem::path> BundleLayout::iconOfBundle(const std::filesystem::path& bundle) {
    const std::filesystem::path root = withoutTrailingSeparator(bundle);
    std::optional<std::string> name = infoString(root, "CFBundleIconFile");
    if (!name || !isPlainFileName(*name))
        return std::nullopt;
    std::filesystem::path icon = root / "Contents" / "Resources" / *name;
    struct stat st {};
    if (::stat(icon.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return icon;
}

std::optional<std::string> BundleLayout::infoString(const std::filesystem::path& bundle, const char* key) {
    std::optional<std::string> bytes =
        readSmallRegularFile(withoutTrailingSeparator(bundle) / "Contents" / "Info.plist");
    if (!bytes || bytes->empty())
        return std::nullopt;
    plist_t root = nullptr;
    plist_from_memory(bytes->data(), static_cast<uint32_t>(bytes->size()), &root);
    if (!root)
        return std::nullopt;
    std::unique_ptr<void, void (*)(plist_t)> owner(root, plist_free);
    if (plist_get_node_type(root) != PLIST_DICT)
        return std::nullopt;
    plist_t item = plist_dict_get_item(root, key);
    if (!item || plist_get_node_type(item) != PLIST_STRING)
        return std::nullopt;
    uint64_t length = 0;
    const char* value = plist_get_string_ptr(item, &length);
    if (!value)
        return std::nullopt;
    return std::string(value, static_cast<size_t>(length));
}

} // namespace dovrel
