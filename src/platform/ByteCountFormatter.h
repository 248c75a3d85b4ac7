#pragma once

#include <QString>

#include <cstdint>

namespace dovrel {

// A byte count in the platform's file style: base 1000, "Zero KB", "1 byte",
// "N bytes" below 1000, KB with no decimals, MB with one, GB and above with
// two, trailing zeros dropped, half-to-even rounding, thousands grouped.
QString formatByteCount(std::int64_t bytes);

// The same text for a size shown in a list or column beside others: every
// value of a unit keeps all that unit's decimals ("58.0 MB" beside
// "58.1 MB", "1.20 GB"), so that one list never mixes "58 MB" and "58.1 MB"
// for sizes a tenth apart. Counts below 1 KB and zero read as above.
QString formatByteCountInList(std::int64_t bytes);

} // namespace dovrel
