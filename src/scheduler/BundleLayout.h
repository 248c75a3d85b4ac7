#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <string_view>

namespace dovrel {

// Where things sit in the application bundle, which keeps the macOS shape on
// every platform:
//
//   dovrel-cleaner.app/Contents/Info.plist
//   dovrel-cleaner.app/Contents/MacOS/dovrel-cleaner
//   dovrel-cleaner.app/Contents/Resources/<icon>
//   dovrel-cleaner.app/Contents/Library/LoginItems/dovrel-cleaner-scheduler.app/
//       Contents/Info.plist, Contents/MacOS/dovrel-cleaner-scheduler, Contents/Resources/<icon>
//
// All functions are pure path arithmetic except those that read a bundle's
// Info.plist or the running program's executable. Paths are kept as bytes.
class BundleLayout {
public:
    static constexpr const char* kApplicationBundleName = "dovrel-cleaner.app";
    static constexpr const char* kAgentBundleName = "dovrel-cleaner-scheduler.app";
    static constexpr const char* kAgentExecutableName = "dovrel-cleaner-scheduler";

    // The running program's executable with symbolic links resolved
    // (/proc/self/exe); empty when it cannot be read.
    static std::filesystem::path currentExecutable();

    // The bundle of an executable: three components up when the executable
    // sits in <bundle>/Contents/MacOS, otherwise the folder holding it (as a
    // program outside any bundle sees itself). Empty for an empty path.
    static std::filesystem::path bundleOfExecutable(const std::filesystem::path& executable);

    // The application enclosing the agent: the agent's bundle path with its
    // last four components dropped (the agent's bundle lies in
    // Contents/Library/LoginItems of the application's bundle). Purely
    // lexical; a trailing separator does not count as a component.
    static std::filesystem::path enclosingApplication(const std::filesystem::path& agentBundle);

    // The agent's executable inside an application bundle.
    static std::filesystem::path agentExecutable(const std::filesystem::path& applicationBundle);

    // A bundle's executable: Contents/MacOS/<CFBundleExecutable>, or
    // Contents/MacOS/<bundle name without extension> when the Info.plist is
    // missing, damaged, or names no plain file name.
    static std::filesystem::path executableOfBundle(const std::filesystem::path& bundle);

    // A bundle's icon: Contents/Resources/<CFBundleIconFile> when the
    // Info.plist names a plain file name and that file exists.
    static std::optional<std::filesystem::path> iconOfBundle(const std::filesystem::path& bundle);

    // A text value of the bundle's Contents/Info.plist (XML or binary, read
    // through PlistReader, which rejects damaged and hostile files). Absent
    // when the file cannot be read or lacks the key. `key` is one of
    // PlistReader::infoKeys().
    static std::optional<QString> infoString(const std::filesystem::path& bundle, std::string_view key);

private:
    static std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& path);
};

} // namespace dovrel
