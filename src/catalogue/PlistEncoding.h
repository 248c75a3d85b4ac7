#pragma once

#include <string>
#include <string_view>

namespace dovrel {

// Brings the bytes of an XML property list to the form libplist 2.2 reads:
// UTF-8 without a byte-order mark (it ignores the encoding named in the XML
// declaration). Thread-safe (no state).
class PlistEncoding {
public:
    // A UTF-8 mark is dropped; UTF-16 in either byte order, with its mark or
    // recognised by a first character "<" without one, is transcoded to UTF-8
    // (unpaired surrogates become U+FFFD; a NUL character survives, for the
    // XML check to refuse). Anything else is returned unchanged.
    static std::string asUtf8Xml(std::string_view data);
};

} // namespace dovrel
