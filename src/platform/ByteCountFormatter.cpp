#include "platform/ByteCountFormatter.h"

#include <array>

namespace dovrel {

namespace {

struct Unit {
    const char* name;
    int decimals;
    std::uint64_t divisor; // 1000^k / 10^decimals: one step of the last shown digit
};

constexpr std::array<Unit, 6> kUnits{{
    {"KB", 0, 1'000ULL},
    {"MB", 1, 100'000ULL},
    {"GB", 2, 10'000'000ULL},
    {"TB", 2, 10'000'000'000ULL},
    {"PB", 2, 10'000'000'000'000ULL},
    {"EB", 2, 10'000'000'000'000'000ULL},
}};

constexpr std::uint64_t pow10(int n) {
    std::uint64_t v = 1;
    while (n-- > 0)
        v *= 10;
    return v;
}

// n / divisor rounded half to even, in integers so that .5 is exact.
std::uint64_t divideRoundingHalfEven(std::uint64_t n, std::uint64_t divisor) {
    std::uint64_t q = n / divisor;
    const std::uint64_t r = n % divisor;
    const std::uint64_t rest = divisor - r; // compare 2r with divisor without overflow
    if (r > rest || (r == rest && (q & 1U) != 0))
        ++q;
    return q;
}

QString grouped(std::uint64_t v) {
    QString digits = QString::number(v);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return digits;
}

QString formatMagnitude(std::uint64_t n, bool allDecimals) {
    if (n == 0)
        return QStringLiteral("Zero KB");
    if (n == 1)
        return QStringLiteral("1 byte");
    if (n < 1000)
        return QString::number(n) + QStringLiteral(" bytes");

    // The unit is chosen after rounding: 999,999 bytes is 1,000 KB rounded,
    // which is shown as "1 MB".
    std::size_t u = 0;
    std::uint64_t scaled = 0;
    for (;; ++u) {
        scaled = divideRoundingHalfEven(n, kUnits[u].divisor);
        if (scaled < 1000 * pow10(kUnits[u].decimals) || u + 1 == kUnits.size())
            break;
    }
    const Unit& unit = kUnits[u];
    const std::uint64_t one = pow10(unit.decimals);
    QString text = grouped(scaled / one);
    std::uint64_t fraction = scaled % one;
    int digits = unit.decimals;
    while (!allDecimals && digits > 0 && fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    if (digits > 0)
        text += QLatin1Char('.') + QStringLiteral("%1").arg(fraction, digits, 10, QLatin1Char('0'));
    return text + QLatin1Char(' ') + QLatin1String(unit.name);
}

QString formatSigned(std::int64_t bytes, bool allDecimals) {
    // The magnitude of INT64_MIN does not fit in int64 but does in uint64.
    if (bytes < 0)
        return QLatin1Char('-') + formatMagnitude(0 - static_cast<std::uint64_t>(bytes), allDecimals);
    return formatMagnitude(static_cast<std::uint64_t>(bytes), allDecimals);
}

} // namespace

QString formatByteCount(std::int64_t bytes) {
    return formatSigned(bytes, false);
}

QString formatByteCountInList(std::int64_t bytes) {
    return formatSigned(bytes, true);
}

} // namespace dovrel
