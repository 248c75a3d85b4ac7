#pragma once

#include <QString>

#include <filesystem>
#include <optional>

namespace dovrel {

// The login user and the system's standard folders.
class UserAccount {
public:
    // The login name of the user running the process (from the password
    // database; $USER / $LOGNAME when the database has no entry).
    static QString loginName();

    // The login user's real home folder from the password database ($HOME only
    // when the database has no entry). Never the sandbox container.
    static std::filesystem::path homeDirectoryForUser();

    // The Applications folder of the local system ("/Applications") when one
    // exists; absent otherwise.
    static std::optional<std::filesystem::path> localApplicationsDirectory();
};

} // namespace dovrel
