#pragma once

#include "fs/Types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dovrel {

// The freedesktop key-file format ("[Group]" headers, "Key=Value" lines,
// "#" comments), as desktop entries, .trashinfo files, Firefox's
// profiles.ini and Flatpak's installation files use it.
//
// Values are kept as the file's bytes (not UTF-8 checked, not unescaped):
// callers decide what a value means. Lines that are neither a group, an entry
// nor a comment are skipped; entries before the first group belong to no
// group and are dropped. Within a group the first entry of a key wins; a
// group name that appears twice makes two groups (lookups take the first).
//
// readFile() is the guarded read every such file goes through: only a regular
// file of at most `maxSize` bytes is read (a symbolic link is followed, a FIFO
// or device is never waited on), anything else reads as absent. Thread-safe
// (no shared state).
class KeyFile {
public:
    static constexpr std::int64_t kMaxFileSize = 256 * 1024;

    struct Group {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };

    static KeyFile parse(std::string_view text);
    static std::optional<KeyFile> readFile(const Location& file, std::int64_t maxSize = kMaxFileSize);

    const std::vector<Group>& groups() const { return groups_; }
    const Group* group(std::string_view name) const;
    // The raw value of `key` in the first group named `group`.
    std::optional<std::string> value(std::string_view group, std::string_view key) const;
    static std::optional<std::string> value(const Group& group, std::string_view key);

    // The escapes of string values: \s \n \t \r \\ (others are kept as written).
    static std::string unescape(std::string_view raw);

private:
    std::vector<Group> groups_;
};

} // namespace dovrel
