#pragma once

#include "platform/Grant.h"
#include "platform/gui/FolderPicker.h"

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <optional>

namespace dovrel {

class Defaults;

// The two folders the user grants, "home" and "Applications": which folder
// counts, how the picker for it is set up, and storing a pick. The
// folder-access screen and the preferences use the same rules.
//
// A pick counts only when its last component is the login name (home) or
// "Applications". Only a pick that counts is stored; a wrong pick leaves the
// stored grant as it was, so a later launch never scans a folder that failed
// the test. A right pick that cannot be granted (it stopped being a folder)
// removes the stored value, which makes the next launch ask again.
class FolderGrants {
public:
    enum class Kind { Home, Applications };
    enum class Outcome { Stored, WrongFolder, NotGranted };

    // What is stored for one kind, for showing it.
    struct State {
        std::optional<std::filesystem::path> folder; // the stored path, whether it resolves or not
        Grant::Status status = Grant::Status::NoGrant;
        bool rightName = false; // the stored folder passes the name test
    };

    static QString key(Kind kind);
    // The name a granted folder must have.
    static QByteArray expectedName(Kind kind);
    // The folder the user is expected to pick: the login user's home folder;
    // "/Applications" or else ~/Applications when one exists.
    static std::optional<std::filesystem::path> expectedFolder(Kind kind);
    // The picker for one kind: its own title, prompt "Allow"; the home picker
    // starts in the folder holding the home folder with it selected, the
    // Applications picker in the expected Applications folder, else in the
    // "Applications" folder beside the home granted in `settings` (a home
    // kept elsewhere with its own Applications), else in the home folder.
    static FolderPicker::Request request(Kind kind, const Defaults* settings = nullptr);

    // The last component of a folder, ignoring a trailing separator.
    static QByteArray folderName(const std::filesystem::path& folder);
    static bool isRightFolder(Kind kind, const std::filesystem::path& folder);

    // Applies the name test and stores the pick under key(kind) when it
    // passes (synchronised). See the class comment for the outcomes.
    static Outcome store(Defaults& settings, Kind kind, const std::filesystem::path& folder);

    // Why a pick was refused, in words, naming the folder that was expected.
    static QString refusal(Kind kind, const std::filesystem::path& picked);

    static State state(const Defaults& settings, Kind kind);

    // A path for showing (lossy for names that are not UTF-8).
    static QString displayPath(const std::filesystem::path& path);
};

} // namespace dovrel
