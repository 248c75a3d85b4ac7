// Feeds arbitrary bytes to the Info.plist reader: the guard plus libplist.
// Any crash, abort, hang or sanitizer report here is a hole in the guard.

#include "catalogue/PlistReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const dovrel::BundleInfo info = dovrel::PlistReader::readData(bytes);
    // Touch every value so a bad string would be read through.
    std::size_t total = 0;
    for (const auto& [key, value] : info.values())
        total += key.size() + static_cast<std::size_t>(value.size());
    (void)total;
    // The checks alone must also hold up on inputs that do not start as a
    // binary plist.
    dovrel::PlistReader::isSafeBinary(bytes);
    return 0;
}
