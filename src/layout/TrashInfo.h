#pragma once

#include "fs/Types.h"

#include <optional>
#include <string>
#include <string_view>

namespace dovrel {

// One .trashinfo file of a freedesktop trash: where the trashed item came
// from and when it was trashed.
struct TrashInfo {
    // The original location, percent-decoded into the exact bytes of the
    // name (not necessarily UTF-8). A relative Path= is relative to the
    // folder holding the trash's "Trash" folder, as the trash format says.
    Location original;
    std::optional<std::string> deletionDate; // as written, e.g. 2026-11-30T09:15:00

    // The file read through the guarded KeyFile read (at most 64 KiB);
    // absent when damaged: no [Trash Info] group or no Path=.
    static std::optional<TrashInfo> read(const Location& infoFile, const Location& topDirectory);
    static std::optional<TrashInfo> parse(std::string_view text, const Location& topDirectory);

    // %XX escapes turned into their bytes; a "%" not followed by two
    // hexadecimal digits is kept as written.
    static std::string percentDecode(std::string_view text);

    static constexpr std::int64_t kMaxFileSize = 64 * 1024;
};

} // namespace dovrel
