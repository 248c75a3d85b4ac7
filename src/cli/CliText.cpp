#include "cli/CliText.h"

#include "platform/Utf8.h"

#include <cstdint>

namespace dovrel {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// Shown as an escape although well-formed: C1 controls, bidirectional
// controls and the line and paragraph separators.
bool invisible(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendHexByte(std::string& out, std::uint8_t b) {
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
}

} // namespace

std::string CliText::escaped(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t code = 0;
        const std::size_t n = Utf8::decode(bytes.substr(i), code);
        if (n == 0) {
            appendHexByte(out, static_cast<std::uint8_t>(bytes[i++]));
            continue;
        }
        if (n > 1) {
            if (invisible(code)) {
                out += "\\u";
                for (int shift = 12; shift >= 0; shift -= 4)
                    out += kHex[(code >> shift) & 0xF];
            } else {
                out.append(bytes.substr(i, n));
            }
            i += n;
            continue;
        }
        const char c = bytes[i++];
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F)
                appendHexByte(out, static_cast<std::uint8_t>(c));
            else
                out += c;
        }
    }
    return out;
}

} // namespace dovrel
