#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dovrel::test {

// Reads a desktop entry file back the way a session's autostart does: groups,
// keys, string-value escapes, and the Exec line split into arguments with its
// quoting undone. Written from the Desktop Entry format, independently of the
// code that writes entries, so that a fault in either shows.
class DesktopEntryReader {
public:
    // Absent when the file cannot be read or breaks the format (a line that is
    // neither comment, group header nor key=value; a key before any group; a
    // key twice in a group; an unknown escape).
    static std::optional<DesktopEntryReader> read(const std::filesystem::path& file);

    std::optional<std::string> value(const std::string& group, const std::string& key) const;
    std::vector<std::string> groups() const;

    // The Exec value of [Desktop Entry] split into arguments; absent when
    // missing or badly quoted.
    std::optional<std::vector<std::string>> execArguments() const;

private:
    std::map<std::string, std::map<std::string, std::string>> groups_;
};

} // namespace dovrel::test
