#pragma once

#include "catalogue/BundleInfo.h"
#include "fs/Types.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dovrel {

// Reads the text values of property-list files (XML and binary "bplist00"),
// chiefly a bundle's Contents/Info.plist, through libplist.
//
// libplist trusts its input: deeply nested or self-multiplying binary
// structures, NUL characters inside strings and very deep XML make it crash,
// abort or run without end. So every file is checked here before libplist
// sees it (size, file type, binary structure, nesting depth, node count), and
// values are read only through calls that cannot assert. Whatever fails a
// check, does not parse, or has no dictionary at the top reads as an empty
// BundleInfo. Nothing here throws or opens anything but a regular file (a
// FIFO or device node is never opened); a symbolic link is followed only by
// readInfoPlist, and only while it stays inside the bundle. Thread-safe (no
// shared state).
//
// Value rule: only the top-level keys asked for are read. A string value is
// taken as UTF-8 (invalid bytes replaced). An integer value is taken as its
// decimal text (CFBundleVersion 245 stored as <integer> gives "245"; values
// stored as 64-bit two's complement read as signed), a real as its shortest
// text ("1.5"). Booleans, dates, data, arrays and dictionaries count as
// missing.
class PlistReader {
public:
    // Files larger than this are not read.
    static constexpr std::int64_t kMaxFileSize = 8 * 1024 * 1024;
    // Deepest nesting of arrays/dictionaries accepted (the top level is 1).
    static constexpr int kMaxDepth = 512;
    // Most nodes a file may expand to. In a binary plist a shared object
    // counts once per reference, as libplist copies it each time.
    static constexpr std::uint64_t kMaxNodes = 200'000;

    // The Info.plist keys the application records use: CFBundleIdentifier,
    // CFBundleName, CFBundleExecutable, CFBundleIconFile,
    // CFBundleShortVersionString, CFBundleVersion, LogName.
    static const std::vector<std::string>& infoKeys();

    // `bundle`/Contents/Info.plist, read for infoKeys(). The file, or a folder
    // on its way, may be a symbolic link whose target stays inside the bundle
    // (BundleFile); a link leading out of it reads as no file.
    static BundleInfo readInfoPlist(const Location& bundle);

    // Any plist file. The file must be a regular file (not a symbolic link,
    // FIFO or device) of at most kMaxFileSize bytes.
    static BundleInfo readFile(const Location& file, const std::vector<std::string>& keys = infoKeys());

    // Plist bytes already in memory; binary when they start with "bplist",
    // XML otherwise: UTF-8 with or without a byte-order mark, or UTF-16 in
    // either byte order (with a mark, or starting with "<"), which is
    // transcoded to UTF-8 before the checks (libplist reads UTF-8 only). The
    // size cap applies to the bytes given and to the transcoded text.
    static BundleInfo readData(std::string_view data, const std::vector<std::string>& keys = infoKeys());

    // The structural checks run before libplist parses. True when libplist
    // can be given the bytes safely; exposed for tests and fuzzing.
    static bool isSafeBinary(std::string_view data);
    static bool isSafeXml(std::string_view data);
};

} // namespace dovrel
