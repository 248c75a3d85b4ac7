#include "platform/JsonText.h"

#include "platform/Utf8.h"

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

} // namespace

std::string jsonString(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 2);
    out += '"';
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t n = Utf8::wellFormedLength(bytes.substr(i));
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
