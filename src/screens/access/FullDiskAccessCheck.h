#pragma once

#include <filesystem>

namespace dovrel {

class Defaults;

// Whether the application can read the protected files of the home folder,
// decided on one probe file: "Library/Safari/CloudTabs.db" under the granted
// home folder (on systems before 10.15: "Library/Safari/Bookmarks.plist").
//
//   Granted    the file exists and all of it could be read
//   Denied     the file exists but reading failed (also: it is not a
//              regular file, which is never opened)
//   Undecided  the file does not exist, or there is no home grant
class FullDiskAccessCheck {
public:
    enum class Outcome { Granted, Denied, Undecided };

    static std::filesystem::path probeFile(const std::filesystem::path& home);
    static Outcome check(const std::filesystem::path& home);
    // Resolves the "home" grant of `settings` and checks under it.
    static Outcome run(const Defaults& settings);
};

} // namespace dovrel
