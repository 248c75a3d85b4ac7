#include "catalogue/PlistReader.h"

#include "catalogue/BinaryPlistCheck.h"
#include "catalogue/BundleFile.h"
#include "catalogue/PlistEncoding.h"
#include "catalogue/PlistFile.h"
#include "catalogue/XmlPlistCheck.h"

#include <plist/plist.h>

#include <QLocale>

#include <cmath>
#include <memory>

// How a file gets to libplist
// ---------------------------
//
//   PlistFile: open(O_NOFOLLOW|O_NONBLOCK) -> fstat: regular file, <= 8 MiB -> read
//   (Info.plist: BundleFile, links followed only inside the bundle)
//        |
//        +-- "bplist..." -> BinaryPlistCheck: trailer, offset table, every object's
//        |                  header and size, strings free of NUL, references in
//        |                  range, dictionary keys are strings, no cycles,
//        |                  depth <= kMaxDepth, expanded node count <= kMaxNodes
//        |                  -> plist_from_bin
//        +-- otherwise   -> PlistEncoding: UTF-8 mark dropped, UTF-16
//                           transcoded to UTF-8
//                        -> XmlPlistCheck: no NUL byte, tags found as libplist finds
//                           them, balanced and named alike, depth <=
//                           kMaxDepth, elements <= kMaxNodes
//                           -> plist_from_xml
//
// libplist 2.2 parses binary plists recursively and copies an object once per
// reference, so depth and expanded size must be known before it starts; its
// string getters assert that a string holds no NUL; freeing a tree recurses,
// so XML depth matters too. The checks are deliberately stricter than the
// format: anything unusual (sets, null objects, lone surrogates, internal DTD
// subsets, quoting that moves the end of a tag) is refused rather than reasoned about.

namespace dovrel {

namespace {

bool startsWithAt(std::string_view s, std::size_t at, std::string_view prefix) {
    return s.substr(at, prefix.size()) == prefix;
}

struct PlistFree {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

std::optional<QString> textOf(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_STRING: {
        std::uint64_t length = 0;
        const char* s = plist_get_string_ptr(node, &length);
        if (!s || length > static_cast<std::uint64_t>(PlistReader::kMaxFileSize))
            return std::nullopt;
        return QString::fromUtf8(s, static_cast<qsizetype>(length));
    }
    case PLIST_UINT: {
        std::uint64_t v = 0;
        plist_get_uint_val(node, &v);
        return QString::number(static_cast<qint64>(v));
    }
    case PLIST_REAL: {
        double v = 0;
        plist_get_real_val(node, &v);
        if (!std::isfinite(v))
            return std::nullopt;
        return QString::number(v, 'g', QLocale::FloatingPointShortest);
    }
    default:
        return std::nullopt;
    }
}

} // namespace

const std::vector<std::string>& PlistReader::infoKeys() {
    static const std::vector<std::string> keys{
        "CFBundleIdentifier",
        "CFBundleName",
        "CFBundleExecutable",
        "CFBundleIconFile",
        "CFBundleShortVersionString",
        "CFBundleVersion",
        "LogName",
    };
    return keys;
}

bool PlistReader::isSafeBinary(std::string_view data) {
    if (data.size() > static_cast<std::size_t>(kMaxFileSize))
        return false;
    return BinaryPlistCheck(data).run();
}

bool PlistReader::isSafeXml(std::string_view data) {
    if (data.size() > static_cast<std::size_t>(kMaxFileSize))
        return false;
    return XmlPlistCheck::isSafe(data);
}

BundleInfo PlistReader::readData(std::string_view data, const std::vector<std::string>& keys) {
    BundleInfo info;
    if (data.empty() || data.size() > static_cast<std::size_t>(kMaxFileSize))
        return info;
    // A copy that ends in a NUL, so that no libplist routine can run past the
    // end of the bytes it was given.
    const std::string bytes(data);
    const auto length = static_cast<std::uint32_t>(bytes.size());
    plist_t root = nullptr;
    if (startsWithAt(bytes, 0, "bplist")) {
        if (!isSafeBinary(bytes))
            return info;
        plist_from_bin(bytes.c_str(), length, &root);
    } else {
        const std::string xml = PlistEncoding::asUtf8Xml(bytes);
        if (!isSafeXml(xml))
            return info;
        plist_from_xml(xml.c_str(), static_cast<std::uint32_t>(xml.size()), &root);
    }
    PlistPtr owner(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT)
        return info;
    for (const std::string& key : keys) {
        plist_t node = plist_dict_get_item(root, key.c_str());
        if (!node)
            continue;
        if (auto text = textOf(node))
            info.insert(key, std::move(*text));
    }
    return info;
}

BundleInfo PlistReader::readFile(const Location& file, const std::vector<std::string>& keys) {
    auto bytes = PlistFile::read(file);
    if (!bytes)
        return {};
    return readData(*bytes, keys);
}

BundleInfo PlistReader::readInfoPlist(const Location& bundle) {
    const BundleFile file(bundle, "Contents/Info.plist");
    if (!file.isOpen())
        return {};
    auto bytes = PlistFile::read(file.fd());
    if (!bytes)
        return {};
    return readData(*bytes, infoKeys());
}

} // namespace dovrel
