#pragma once

#include <cstdint>
#include <filesystem>

namespace dovrel {

// A location on disk. Holds the native path bytes exactly; never round-trip
// it through display text.
using Location = std::filesystem::path;

// Signed byte count of logical file sizes.
using ByteCount = std::int64_t;

} // namespace dovrel
