#include "cli/CliText.h"

#include <gtest/gtest.h>

using dovrel::CliText;

namespace {

// Every byte that could steer a terminal or pass for something else is shown
// as a visible escape; everything else is kept as it stands.
TEST(CliTextTest, EscapesControlsInvisiblesAndStrayBytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain name.txt", "plain name.txt"},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"a\r\x1b[2Kb\n\tc", "a\\r\\x1b[2Kb\\n\\tc"},
        {std::string("nul\0bel\x07"
                     "del\x7f",
                     12),
         "nul\\x00bel\\x07del\\x7f"},
        {"back\\slash", "back\\\\slash"},
        {"c1\xc2\x9b"
         "31m\xc2\x85",
         "c1\\u009b31m\\u0085"},
        {"rtl\xe2\x80\xae"
         "fdp.exe\xe2\x80\xa8",
         "rtl\\u202efdp.exe\\u2028"},
        {"r\xe9sum\xe9 \xff\xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80 \xe2\x82", // stray, overlong, surrogate,
                                                                             // too big, cut
         "r\\xe9sum\\xe9 \\xff\\xc0\\xaf \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80 \\xe2\\x82"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(CliText::escaped(in), out) << in;
}

} // namespace
