#pragma once

#include "fs/Types.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace dovrel {

class KeyFile;

// What one desktop entry (a .desktop file of an "applications" folder) says
// about its application: the keys of its [Desktop Entry] group that name it.
struct DesktopEntry {
    QString id;   // the desktop-file id: org.example.Editor for .../applications/org.example.Editor.desktop
    QString name; // Name, or Name[lang] for the locale when the entry has one
    std::optional<QString> icon;           // Icon: a theme icon name or an absolute file
    std::optional<QString> program;        // the program Exec starts, without its folder
    std::optional<QString> startupWMClass; // StartupWMClass
    Location file;

    // The entry in `file` (parsed), or absent when it has no [Desktop Entry]
    // group, no Name, or a Type other than Application. Values that are not
    // UTF-8 are read with replacement characters. `locale` is a POSIX locale
    // name (de_DE.UTF-8@euro), empty for the unlocalised names.
    static std::optional<DesktopEntry> fromKeyFile(const KeyFile& file, QString id, std::string_view locale);

    // The guarded read of a file (KeyFile::readFile) then fromKeyFile().
    static std::optional<DesktopEntry> read(const Location& file, QString id, std::string_view locale);

    // The program name of an Exec value: its first word (quotes and
    // backslash escapes honoured) without its folder; "env" and its
    // VAR=value words are skipped. Absent when there is none, or when the
    // program is a launcher that says nothing about the application
    // (flatpak, snap, sh, bash, env alone).
    static std::optional<std::string> execProgram(std::string_view exec);

    // The value of `key` for the locale: key[lang_COUNTRY@MODIFIER],
    // key[lang_COUNTRY], key[lang@MODIFIER], key[lang], then key itself.
    static std::optional<std::string> localised(const KeyFile& file, std::string_view key,
                                                std::string_view locale);
};

} // namespace dovrel
