#pragma once

#include <QString>

#include <cstdint>

namespace dovrel {

// A byte count in the platform's file style: base 1000, "Zero KB", "1 byte",
// "N bytes" below 1000, KB with no decimals, MB with one, GB and above with
// two, trailing zeros dropped, half-to-even rounding, thousands grouped.
QString formatByteCount(std::int64_t bytes);

} // namespace dovrel
