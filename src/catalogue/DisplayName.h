#pragma once

#include "engine/Types.h"

#include <QString>

namespace dovrel {

// The user-visible name of a file-system item, the stand-in for the
// platform's display-name service. One rule for every caller (application
// labels, cache-folder names), so that names compare alike:
//   the last path component (trailing slashes ignored), with a trailing ".app"
//   removed when something remains before it; nothing else is hidden or
//   translated. Bytes that are not UTF-8 are kept as NameText escapes, so two
//   names that differ only there stay two names; the path is never changed.
class DisplayName {
public:
    static QString of(const Location& path);
};

} // namespace dovrel
