#pragma once

#include "engine/Types.h"
#include "platform/NameText.h"

#include <QString>

#include <string>
#include <string_view>

namespace dovrel {

// Text for people on a terminal (never for paths handed to the system).
//
// Everything shown passes through escaped(), so no name can move the cursor,
// clear a line or pass for another: control characters (C0, DEL, C1), the
// invisible ones that reorder or break lines (bidirectional controls, U+2028,
// U+2029), bytes that are not UTF-8 and the backslash itself are written as
// visible escapes:
//
//   \t \n \r \\                tab, line feed, carriage return, backslash
//   \x00 .. \x1f, \x7f          other C0 controls and DEL
//   \x80 .. \xff                a byte that is not part of well-formed UTF-8
//   \u0080 .. \u009f, \u202e    C1 controls and the invisible characters
//
// A "\x" escape below 0x80 is always a control character and one at or
// above 0x80 always a stray byte, so the bytes can be told apart and rebuilt.
class CliText {
public:
    static std::string escaped(std::string_view bytes);

    // Text that may carry a file name's stray bytes (NameText) shows them as
    // "\x" escapes, as in paths.
    static std::string utf8(const QString& text) { return escaped(NameText::bytes(text)); }

    // A location as readable text, byte for byte.
    static std::string display(const Location& location) { return escaped(location.native()); }
};

} // namespace dovrel
