#include "platform/JsonText.h"

#include <cstdint>

namespace dovrel {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendUnicodeEscape(std::string& out, unsigned code) {
    out += "\\u";
    out += kHex[(code >> 12) & 0xF];
    out += kHex[(code >> 8) & 0xF];
    out += kHex[(code >> 4) & 0xF];
    out += kHex[code & 0xF];
}

// Length of the well-formed UTF-8 sequence at the start of `s` (1 to 4), or 0
// when the first byte does not begin one. The ranges are those of the
// Unicode standard's table of well-formed byte sequences; they exclude
// overlong forms, surrogates and code points past U+10FFFF.
std::size_t wellFormedLength(std::string_view s) {
    auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    auto inRange = [&](std::size_t i, std::uint8_t lo, std::uint8_t hi) {
        return i < s.size() && byte(i) >= lo && byte(i) <= hi;
    };
    const std::uint8_t b0 = byte(0);
    if (b0 < 0x80)
        return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        return inRange(1, 0x80, 0xBF) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        const std::uint8_t lo = b0 == 0xE0 ? 0xA0 : 0x80; // E0 80..9F is overlong
        const std::uint8_t hi = b0 == 0xED ? 0x9F : 0xBF; // ED A0..BF are surrogates
        return inRange(1, lo, hi) && inRange(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        const std::uint8_t lo = b0 == 0xF0 ? 0x90 : 0x80; // F0 80..8F is overlong
        const std::uint8_t hi = b0 == 0xF4 ? 0x8F : 0xBF; // F4 90.. is past U+10FFFF
        return inRange(1, lo, hi) && inRange(2, 0x80, 0xBF) && inRange(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0; // continuation byte, C0, C1 or F5..FF
}

} // namespace

std::string jsonString(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 2);
    out += '"';
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t n = wellFormedLength(bytes.substr(i));
        if (n == 0) {
            // One escape per byte; the next byte is looked at afresh, so a
            // valid sequence right after a broken one is kept.
            appendUnicodeEscape(out, 0xDC00U + static_cast<std::uint8_t>(bytes[i]));
            ++i;
            continue;
        }
        if (n > 1) {
            out.append(bytes.substr(i, n));
            i += n;
            continue;
        }
        const char c = bytes[i++];
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<std::uint8_t>(c) < 0x20)
                appendUnicodeEscape(out, static_cast<std::uint8_t>(c));
            else
                out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace dovrel
