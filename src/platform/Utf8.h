#pragma once

#include <cstddef>
#include <string_view>

namespace dovrel {

// Walks UTF-8 byte strings that may not be UTF-8 (file names, plist values).
// The accepted sequences are those of the Unicode standard's table of
// well-formed byte sequences: overlong forms, surrogates (ED A0..BF) and code
// points past U+10FFFF are not well-formed. Thread-safe (no state).
class Utf8 {
public:
    // Length (1 to 4) of the well-formed sequence at the start of `s`, with
    // its code point in `code`; 0 (and `code` untouched) when `s` is empty or
    // its first byte does not begin one: a stray continuation byte, C0, C1,
    // F5..FF, or a truncated, overlong, surrogate or out-of-range sequence.
    static std::size_t decode(std::string_view s, char32_t& code);

    // decode() without the code point.
    static std::size_t wellFormedLength(std::string_view s);
};

} // namespace dovrel
