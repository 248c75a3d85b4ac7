#pragma once

#include <filesystem>
#include <optional>

namespace dovrel {

// The application's bundle, laid out as on macOS on every platform:
// dovrel-cleaner.app/Contents/MacOS/dovrel-cleaner.
class MainBundle {
public:
    // The bundle's Contents folder: the parent of the executable's folder when
    // that folder is ".../Contents/MacOS"; otherwise the executable's folder
    // itself (a build tree), so the paths below simply do not exist there.
    static std::filesystem::path contentsFolder();

    // Where the store would leave its receipt: Contents/_MASReceipt/receipt.
    // There is no store here; the file exists only if someone put it there.
    static std::filesystem::path appStoreReceiptURL();

    // Size in bytes of the file at `file`; 0 when it is missing, not a
    // regular file or cannot be read.
    static std::uintmax_t fileSize(const std::filesystem::path& file);

    // Pins the executable's folder (tests); absent restores the real one.
    static void setExecutableFolderOverride(std::optional<std::filesystem::path> folder);
};

} // namespace dovrel
