#include "cli/CliText.h"

#include <cstdint>

namespace dovrel {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The code point of the well-formed UTF-8 sequence at the start of `s` and its
// length (1 to 4); length 0 when the first byte does not begin one (stray
// continuation bytes, truncated or overlong forms, surrogates, past U+10FFFF).
std::size_t decode(std::string_view s, char32_t& code) {
    auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    auto inRange = [&](std::size_t i, std::uint8_t lo, std::uint8_t hi) {
        return i < s.size() && byte(i) >= lo && byte(i) <= hi;
    };
    const std::uint8_t b0 = byte(0);
    std::size_t n = 0;
    if (b0 < 0x80) {
        code = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF && inRange(1, 0x80, 0xBF)) {
        n = 2;
        code = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF && inRange(1, b0 == 0xE0 ? 0xA0 : 0x80, b0 == 0xED ? 0x9F : 0xBF) &&
               inRange(2, 0x80, 0xBF)) {
        n = 3;
        code = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4 && inRange(1, b0 == 0xF0 ? 0x90 : 0x80, b0 == 0xF4 ? 0x8F : 0xBF) &&
               inRange(2, 0x80, 0xBF) && inRange(3, 0x80, 0xBF)) {
        n = 4;
        code = b0 & 0x07;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < n; ++i)
        code = (code << 6) | (byte(i) & 0x3F);
    return n;
}

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
        const std::size_t n = decode(bytes.substr(i), code);
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
