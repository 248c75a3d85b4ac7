#pragma once

#include <string_view>

namespace dovrel {

// The structural check of XML plist text (UTF-8) before libplist parses it:
// no NUL byte, tags found as libplist finds them, balanced and named alike,
// depth <= PlistReader::kMaxDepth, elements <= PlistReader::kMaxNodes; an
// internal DTD subset, or quoting that moves the end of a tag, is refused.
class XmlPlistCheck {
public:
    // True when libplist can be given the text safely.
    static bool isSafe(std::string_view x);
};

} // namespace dovrel
