#include "platform/ByteCountFormatter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

using dovrel::formatByteCount;

namespace {

void expectTexts(const std::vector<std::pair<std::int64_t, const char*>>& table) {
    for (const auto& [bytes, text] : table)
        EXPECT_EQ(formatByteCount(bytes).toStdString(), text) << "for " << bytes;
}

} // namespace

TEST(ByteCountFormatterTest, FileStyleTexts) {
    expectTexts({
        {0, "Zero KB"},
        {1, "1 byte"},
        {2, "2 bytes"},
        {999, "999 bytes"},
        {1000, "1 KB"},
        {1500, "2 KB"},
        {2500, "2 KB"},
        {3500, "4 KB"},
        {11999, "12 KB"},
        {999999, "1 MB"},
        {1250000, "1.2 MB"},
        {1350000, "1.4 MB"},
        {2000000, "2 MB"},
        {12345678, "12.3 MB"},
        {123456789, "123.5 MB"},
        {1234567898, "1.23 GB"},
        {12345678987, "12.35 GB"},
        {1010000000, "1.01 GB"},
        {1100000000, "1.1 GB"},
        {1015000000, "1.02 GB"},
        {1025000000, "1.02 GB"},
        {1004999999, "1 GB"},
        {1'000'000'000'000, "1 TB"},
        {1500000000000000, "1.5 PB"},
        {1'000'000'000'000'000'000, "1 EB"},
    });
}

// Sizes in one list keep their unit's decimals; the unit and the rounding
// are those of the single texts.
TEST(ByteCountFormatterTest, ListTextsKeepEveryDecimalOfTheirUnit) {
    const std::pair<std::int64_t, const char*> table[] = {
        {0, "Zero KB"},
        {1, "1 byte"},
        {999, "999 bytes"},
        {1500, "2 KB"},
        {58'000'000, "58.0 MB"},
        {58'100'000, "58.1 MB"},
        {999'999, "1.0 MB"},
        {1'100'000'000, "1.10 GB"},
        {1'004'999'999, "1.00 GB"},
        {-2'000'000, "-2.0 MB"},
    };
    for (const auto& [bytes, text] : table) {
        EXPECT_EQ(dovrel::formatByteCountInList(bytes).toStdString(), text) << "for " << bytes;
        // The same value and unit as the single text.
        const QString single = formatByteCount(bytes);
        EXPECT_EQ(single.section(QLatin1Char(' '), -1),
                  QString::fromLatin1(text).section(QLatin1Char(' '), -1));
    }
}

// The unit is chosen after rounding, so a value never shows as 1000 of a unit.
TEST(ByteCountFormatterTest, UnitStepsUpAfterRounding) {
    expectTexts({
        {999499, "999 KB"},
        {999500, "1 MB"},
        {999501, "1 MB"},
        {999949999, "999.9 MB"},
        {999950000, "1 GB"},
        {999994999999, "999.99 GB"},
        {999995000000, "1 TB"},
        {999'995'000'000'000'000, "1 EB"},
    });
}

TEST(ByteCountFormatterTest, NegativeCountsAndExtremes) {
    expectTexts({
        {-1, "-1 byte"},
        {-999, "-999 bytes"},
        {-1500, "-2 KB"},
        {-999999, "-1 MB"},
        {-1250000, "-1.2 MB"},
        {std::numeric_limits<std::int64_t>::max(), "9.22 EB"},
        {std::numeric_limits<std::int64_t>::min(), "-9.22 EB"},
    });
}
