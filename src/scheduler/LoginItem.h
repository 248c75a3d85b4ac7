#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// The agent's registration to start at login: an XDG autostart entry named
// after the agent's identifier,
//
//   <user config>/autostart/<identifier>.desktop
//
// with an absolute, quoted Exec line to the agent's executable. Switching off
// removes that file, or, when a system-wide entry of the same name exists in
// one of the system config folders, writes a user entry with Hidden=true
// (the only way a user can switch a system-wide autostart entry off).
//
// Entries are written atomically (temporary file in the same folder, then
// rename), so a login that reads the folder at the same moment sees either the
// old entry or the new one, never half of one.
class LoginItem {
public:
    // userConfigHome: the user's config folder ($XDG_CONFIG_HOME).
    // systemConfigDirs: the system config folders ($XDG_CONFIG_DIRS), in order.
    LoginItem(QString identifier, std::filesystem::path agentExecutable, std::filesystem::path userConfigHome,
              std::vector<std::filesystem::path> systemConfigDirs);

    // The agent's registration for the current user: $XDG_CONFIG_HOME
    // (~/.config when unset or not absolute) and $XDG_CONFIG_DIRS (/etc/xdg
    // when unset; relative entries are ignored).
    static LoginItem forCurrentUser(QString identifier, std::filesystem::path agentExecutable);

    static std::filesystem::path userConfigHome();
    static std::vector<std::filesystem::path> systemConfigDirs();

    // Registers (on) or unregisters (off) the agent. Returns false when the
    // entry could not be written or removed, or, for on, when the agent's path
    // is not an absolute path to an existing regular file or cannot be written
    // into a desktop entry (not UTF-8). Nothing else is changed on failure.
    bool setEnabled(bool on);

    const QString& identifier() const { return identifier_; }
    const std::filesystem::path& agentExecutable() const { return agentExecutable_; }

    // The user's entry file, whether it exists or not.
    std::filesystem::path entryFile() const;

    // The Exec value for a program path, quoted and escaped as a desktop
    // entry needs it (the path is always quoted; inside the quotes `"`, `` ` ``,
    // `$` and `\` are backslash-escaped, then the string-value escapes `\\`,
    // `\n`, `\t`, `\r` are applied and `%` is doubled). Absent for a path
    // that is not valid UTF-8 or contains a NUL.
    static std::optional<std::string> quotedExec(const std::filesystem::path& program);

private:
    bool writeEntry(const std::string& contents);
    bool removeEntry();
    bool systemEntryExists() const;

    QString identifier_;
    std::filesystem::path agentExecutable_;
    std::filesystem::path userConfigHome_;
    std::vector<std::filesystem::path> systemConfigDirs_;
};

} // namespace dovrel
