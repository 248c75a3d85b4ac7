#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace dovrel {

// Text made from the bytes of a file name, without losing any of them.
//
// Well-formed UTF-8 (as Utf8::decode accepts it) becomes its characters; each
// byte that is not part of a well-formed sequence becomes the lone surrogate
// U+DC80..U+DCFF (U+DC00 + byte), the "surrogateescape" convention that
// jsonString() also writes. Two names that differ in such a byte therefore
// give two different texts, and bytes() gives the exact name back. A lone
// surrogate never comes from well-formed UTF-8, so the mapping is one to one.
//
// Such text is for grouping, sorting and writing out; shown() turns it into
// text a person can read (each stray byte as U+FFFD). Thread-safe (no state).
class NameText {
public:
    static QString fromBytes(std::string_view bytes);

    // The bytes fromBytes() was made from: U+DC80..U+DCFF back to single
    // bytes, everything else as UTF-8 (any other lone surrogate as U+FFFD).
    static std::string bytes(const QString& text);

    // For display: each U+DC80..U+DCFF as U+FFFD, everything else unchanged.
    static QString shown(const QString& text);
};

} // namespace dovrel
