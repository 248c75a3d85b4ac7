#include "platform/gui/MainBundle.h"

#include <mutex>
#include <system_error>

#include <sys/stat.h>

namespace dovrel {

namespace {

std::mutex g_mutex;
std::optional<std::filesystem::path> g_override;

std::filesystem::path executableFolder() {
    {
        std::lock_guard lock(g_mutex);
        if (g_override)
            return *g_override;
    }
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        return std::filesystem::current_path(ec);
    return exe.parent_path();
}

} // namespace

std::filesystem::path MainBundle::contentsFolder() {
    const std::filesystem::path folder = executableFolder();
    if (folder.filename() == "MacOS" && folder.parent_path().filename() == "Contents")
        return folder.parent_path();
    return folder;
}

std::filesystem::path MainBundle::appStoreReceiptURL() {
    return contentsFolder() / "_MASReceipt" / "receipt";
}

std::uintmax_t MainBundle::fileSize(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
        return 0;
    return static_cast<std::uintmax_t>(st.st_size);
}

void MainBundle::setExecutableFolderOverride(std::optional<std::filesystem::path> folder) {
    std::lock_guard lock(g_mutex);
    g_override = std::move(folder);
}

} // namespace dovrel
