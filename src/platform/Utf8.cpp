#include "platform/Utf8.h"

#include <cstdint>

namespace dovrel {

std::size_t Utf8::decode(std::string_view s, char32_t& code) {
    if (s.empty())
        return 0;
    auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    auto inRange = [&](std::size_t i, std::uint8_t lo, std::uint8_t hi) {
        return i < s.size() && byte(i) >= lo && byte(i) <= hi;
    };
    const std::uint8_t b0 = byte(0);
    if (b0 < 0x80) {
        code = b0;
        return 1;
    }
    std::size_t n = 0;
    char32_t value = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (!inRange(1, 0x80, 0xBF))
            return 0;
        n = 2;
        value = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        const std::uint8_t lo = b0 == 0xE0 ? 0xA0 : 0x80; // E0 80..9F is overlong
        const std::uint8_t hi = b0 == 0xED ? 0x9F : 0xBF; // ED A0..BF are surrogates
        if (!inRange(1, lo, hi) || !inRange(2, 0x80, 0xBF))
            return 0;
        n = 3;
        value = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        const std::uint8_t lo = b0 == 0xF0 ? 0x90 : 0x80; // F0 80..8F is overlong
        const std::uint8_t hi = b0 == 0xF4 ? 0x8F : 0xBF; // F4 90.. is past U+10FFFF
        if (!inRange(1, lo, hi) || !inRange(2, 0x80, 0xBF) || !inRange(3, 0x80, 0xBF))
            return 0;
        n = 4;
        value = b0 & 0x07;
    } else {
        return 0; // continuation byte, C0, C1 or F5..FF
    }
    for (std::size_t i = 1; i < n; ++i)
        value = (value << 6) | (byte(i) & 0x3F);
    code = value;
    return n;
}

std::size_t Utf8::wellFormedLength(std::string_view s) {
    char32_t code = 0;
    return decode(s, code);
}

} // namespace dovrel
