#pragma once

#include <string>
#include <string_view>

namespace dovrel {

// A JSON string literal, quotes included, for raw bytes such as file names.
//
// Well-formed UTF-8 is copied as it stands, with '"', '\\' and the control
// characters below U+0020 escaped. Every byte that is not part of a
// well-formed UTF-8 sequence (stray continuation bytes, truncated sequences,
// overlong forms, UTF-8-encoded surrogates, code points past U+10FFFF, bytes
// F5..FF) becomes its own escape "\udc80".."\udcff" (U+DC00 + byte). That is
// the convention of Python's "surrogateescape" error handler, so a reader can
// get the exact bytes back and the output itself is always valid UTF-8.
std::string jsonString(std::string_view bytes);

} // namespace dovrel
