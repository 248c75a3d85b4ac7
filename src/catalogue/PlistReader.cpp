#include "catalogue/PlistReader.h"

#include "catalogue/BundleFile.h"
#include "catalogue/PlistEncoding.h"

#include <plist/plist.h>

#include <QLocale>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// How a file gets to libplist
// ---------------------------
//
//   open(O_NOFOLLOW|O_NONBLOCK) -> fstat: regular file, <= 8 MiB -> read
//   (Info.plist: BundleFile, links followed only inside the bundle)
//        |
//        +-- "bplist..." -> BinaryCheck: trailer, offset table, every object's
//        |                  header and size, strings free of NUL, references in
//        |                  range, dictionary keys are strings, no cycles,
//        |                  depth <= kMaxDepth, expanded node count <= kMaxNodes
//        |                  -> plist_from_bin
//        +-- otherwise   -> PlistEncoding: UTF-8 mark dropped, UTF-16
//                           transcoded to UTF-8
//                        -> xmlCheck: no NUL byte, tags found as libplist finds
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

constexpr std::size_t kTrailerSize = 32;
constexpr std::string_view kBinaryMagic = "bplist00";

// ---------------------------------------------------------------- binary --

std::uint64_t readBigEndian(const unsigned char* p, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

bool isPowerOfTwoUpTo8(unsigned v) {
    return v == 1 || v == 2 || v == 4 || v == 8;
}

class BinaryCheck {
public:
    explicit BinaryCheck(std::string_view data)
        : p_(reinterpret_cast<const unsigned char*>(data.data())), n_(data.size()) {}

    bool run() { return readTrailer() && readObjects() && checkKeys() && checkGraph(); }

private:
    enum class Kind : std::uint8_t { Scalar, String, Array, Dict };

    struct Object {
        Kind kind = Kind::Scalar;
        std::uint32_t refsAt = 0; // byte position of the first reference
        std::uint32_t refs = 0;   // number of references (keys and values for a dictionary)
        std::uint32_t keys = 0;   // dictionaries: the first `keys` references are keys
    };

    bool readTrailer() {
        if (n_ < kBinaryMagic.size() + kTrailerSize + 2)
            return false;
        if (std::string_view(reinterpret_cast<const char*>(p_), kBinaryMagic.size()) != kBinaryMagic)
            return false;
        const unsigned char* t = p_ + n_ - kTrailerSize;
        offsetSize_ = t[6];
        refSize_ = t[7];
        const std::uint64_t count = readBigEndian(t + 8, 8);
        const std::uint64_t root = readBigEndian(t + 16, 8);
        const std::uint64_t table = readBigEndian(t + 24, 8);
        const std::uint64_t trailerAt = n_ - kTrailerSize;
        if (!isPowerOfTwoUpTo8(offsetSize_) || !isPowerOfTwoUpTo8(refSize_))
            return false;
        // Every object takes at least one byte and one offset-table entry; a
        // file listing more objects than could ever be reached within the
        // node budget is refused outright.
        if (count == 0 || count > PlistReader::kMaxNodes || count > trailerAt)
            return false;
        if (root >= count)
            return false;
        if (table <= kBinaryMagic.size() || table > trailerAt)
            return false;
        if (count > (trailerAt - table) / offsetSize_)
            return false;
        count_ = static_cast<std::uint32_t>(count);
        root_ = static_cast<std::uint32_t>(root);
        table_ = static_cast<std::size_t>(table);
        return true;
    }

    // Reads a length: the low nibble of the marker, or, when it is 0xF, the
    // integer object that follows the marker.
    bool readLength(std::size_t& pos, unsigned info, std::uint64_t& length) const {
        if (info != 0xF) {
            length = info;
            return true;
        }
        if (pos >= table_)
            return false;
        const unsigned marker = p_[pos++];
        if ((marker >> 4) != 0x1 || (marker & 0xF) > 3)
            return false;
        const std::size_t width = std::size_t{1} << (marker & 0xF);
        if (width > table_ - pos)
            return false;
        length = readBigEndian(p_ + pos, width);
        pos += width;
        return true;
    }

    static bool utf16IsClean(const unsigned char* s, std::uint64_t units) {
        for (std::uint64_t i = 0; i < units; ++i) {
            const unsigned u = (unsigned{s[2 * i]} << 8) | s[2 * i + 1];
            if (u == 0)
                return false;
            if (u >= 0xD800 && u <= 0xDBFF) {
                if (i + 1 >= units)
                    return false;
                const unsigned low = (unsigned{s[2 * i + 2]} << 8) | s[2 * i + 3];
                if (low < 0xDC00 || low > 0xDFFF)
                    return false;
                ++i;
            } else if (u >= 0xDC00 && u <= 0xDFFF) {
                return false;
            }
        }
        return true;
    }

    bool readObject(std::size_t at, Object& obj) const {
        std::size_t pos = at;
        const unsigned marker = p_[pos++];
        const unsigned type = marker >> 4;
        const unsigned info = marker & 0xF;
        const std::size_t room = table_ - pos;
        switch (type) {
        case 0x0: // false, true; null and fill are not accepted
            return info == 0x8 || info == 0x9;
        case 0x1: // integer of 1, 2, 4, 8 or 16 bytes
            return info <= 4 && (std::size_t{1} << info) <= room;
        case 0x2: // real of 4 or 8 bytes
            return (info == 2 || info == 3) && (std::size_t{1} << info) <= room;
        case 0x3: // date
            return info == 3 && room >= 8;
        case 0x8: // UID
            return isPowerOfTwoUpTo8(info + 1) && info + 1 <= room;
        case 0x4:   // data
        case 0x5:   // ASCII string
        case 0x6:   // UTF-16 string
        case 0xA:   // array
        case 0xD: { // dictionary
            std::uint64_t length = 0;
            if (!readLength(pos, info, length))
                return false;
            const std::size_t left = table_ - pos;
            const std::size_t unit = type == 0x6   ? 2
                                     : type == 0xA ? refSize_
                                     : type == 0xD ? 2 * refSize_
                                                   : 1;
            if (length > left / unit)
                return false;
            const unsigned char* body = p_ + pos;
            if (type == 0x5) {
                obj.kind = Kind::String;
                return std::char_traits<char>::find(reinterpret_cast<const char*>(body),
                                                    static_cast<std::size_t>(length), '\0') == nullptr;
            }
            if (type == 0x6) {
                obj.kind = Kind::String;
                return utf16IsClean(body, length);
            }
            if (type == 0xA || type == 0xD) {
                obj.kind = type == 0xA ? Kind::Array : Kind::Dict;
                obj.refsAt = static_cast<std::uint32_t>(pos);
                obj.refs = static_cast<std::uint32_t>(type == 0xD ? 2 * length : length);
                obj.keys = type == 0xD ? static_cast<std::uint32_t>(length) : 0;
            }
            return true;
        }
        default: // sets and unknown markers
            return false;
        }
    }

    bool readObjects() {
        objects_.resize(count_);
        for (std::uint32_t i = 0; i < count_; ++i) {
            const std::uint64_t at = readBigEndian(p_ + table_ + std::size_t{i} * offsetSize_, offsetSize_);
            if (at < kBinaryMagic.size() || at >= table_)
                return false;
            if (!readObject(static_cast<std::size_t>(at), objects_[i]))
                return false;
        }
        return true;
    }

    std::uint64_t ref(const Object& obj, std::uint32_t i) const {
        return readBigEndian(p_ + obj.refsAt + std::size_t{i} * refSize_, refSize_);
    }

    bool checkKeys() const {
        for (const Object& obj : objects_) {
            for (std::uint32_t i = 0; i < obj.refs; ++i) {
                const std::uint64_t r = ref(obj, i);
                if (r >= count_)
                    return false;
                if (i < obj.keys && objects_[r].kind != Kind::String)
                    return false;
            }
        }
        return true;
    }

    // Depth-first walk from the root without recursion. Each object's
    // expanded size (itself plus, per reference, the expanded size of what it
    // references) and height are computed once; a reference back into the
    // current path is a cycle.
    bool checkGraph() const {
        enum : std::uint8_t { Unseen, OnPath, Done };
        std::vector<std::uint8_t> state(count_, Unseen);
        std::vector<std::uint64_t> nodes(count_, 0);
        std::vector<std::uint16_t> height(count_, 0);
        struct Frame {
            std::uint32_t object;
            std::uint32_t next;
        };
        std::vector<Frame> path;
        path.push_back({root_, 0});
        state[root_] = OnPath;
        while (!path.empty()) {
            Frame& top = path.back();
            const Object& obj = objects_[top.object];
            if (top.next < obj.refs) {
                const auto child = static_cast<std::uint32_t>(ref(obj, top.next++));
                if (state[child] == OnPath)
                    return false;
                if (state[child] == Unseen) {
                    if (path.size() >= static_cast<std::size_t>(PlistReader::kMaxDepth))
                        return false;
                    state[child] = OnPath;
                    path.push_back({child, 0});
                }
                continue;
            }
            std::uint64_t total = 1;
            std::uint16_t tallest = 0;
            for (std::uint32_t i = 0; i < obj.refs; ++i) {
                const auto child = static_cast<std::uint32_t>(ref(obj, i));
                total += nodes[child];
                if (total > PlistReader::kMaxNodes)
                    return false;
                tallest = std::max(tallest, height[child]);
            }
            if (tallest + 1 > PlistReader::kMaxDepth)
                return false;
            nodes[top.object] = total;
            height[top.object] = static_cast<std::uint16_t>(tallest + 1);
            state[top.object] = Done;
            path.pop_back();
        }
        return true;
    }

    const unsigned char* p_;
    std::size_t n_;
    unsigned offsetSize_ = 0;
    unsigned refSize_ = 0;
    std::uint32_t count_ = 0;
    std::uint32_t root_ = 0;
    std::size_t table_ = 0;
    std::vector<Object> objects_;
};

// ------------------------------------------------------------------- XML --
//
// The scan below finds markup the way libplist's own XML reader does, so that
// both see the same elements: text is searched for '<' without regard to
// quotes; comments end at the first "-->" and CDATA at the first "]]>";
// a processing instruction, a DOCTYPE and the attribute part of a tag end at
// the first terminator outside double quotes (single quotes are plain
// characters to libplist). Where quoting would move a terminator away from
// its first plain occurrence the file is refused, so the two readings can
// never disagree about where an element opens or closes.

bool startsWithAt(std::string_view s, std::size_t at, std::string_view prefix) {
    return s.substr(at, prefix.size()) == prefix;
}

// The first occurrence of `terminator` at or after `from` that lies outside
// double-quoted text, or npos.
std::size_t findOutsideQuotes(std::string_view x, std::size_t from, std::string_view terminator) {
    for (std::size_t i = from; i < x.size(); ++i) {
        if (x[i] == '"') {
            i = x.find('"', i + 1);
            if (i == std::string_view::npos)
                return i;
        } else if (startsWithAt(x, i, terminator)) {
            return i;
        }
    }
    return std::string_view::npos;
}

// The end of a declaration or tag: found plainly and outside quotes at the
// same place, else npos.
std::size_t unambiguousEnd(std::string_view x, std::size_t from, std::string_view terminator) {
    const std::size_t plain = x.find(terminator, from);
    if (plain == std::string_view::npos || findOutsideQuotes(x, from, terminator) != plain)
        return std::string_view::npos;
    return plain;
}

bool isXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool xmlCheck(std::string_view x) {
    constexpr auto npos = std::string_view::npos;
    if (x.find('\0') != npos)
        return false;
    std::vector<std::string_view> open;
    std::uint64_t elements = 0;
    std::size_t i = 0;
    for (;;) {
        const std::size_t lt = x.find('<', i);
        if (lt == npos)
            break;
        if (startsWithAt(x, lt, "<!--")) {
            const std::size_t end = x.find("-->", lt + 4);
            if (end == npos)
                return false;
            i = end + 3;
            continue;
        }
        if (startsWithAt(x, lt, "<![CDATA[")) {
            const std::size_t end = x.find("]]>", lt + 9);
            if (end == npos)
                return false;
            i = end + 3;
            continue;
        }
        if (startsWithAt(x, lt, "<?")) {
            const std::size_t end = unambiguousEnd(x, lt + 2, "?>");
            if (end == npos)
                return false;
            i = end + 2;
            continue;
        }
        if (startsWithAt(x, lt, "<!DOCTYPE")) { // without an internal subset
            const std::size_t end = unambiguousEnd(x, lt + 9, ">");
            if (end == npos || x.substr(lt + 9, end - lt - 9).find_first_of("[<") != npos)
                return false;
            i = end + 1;
            continue;
        }
        if (startsWithAt(x, lt, "<!"))
            return false;
        // A tag: its name runs to the first blank, '<' or '>'; attributes
        // follow up to the '>'.
        std::size_t nameEnd = lt + 1;
        while (nameEnd < x.size() && !isXmlSpace(x[nameEnd]) && x[nameEnd] != '<' && x[nameEnd] != '>')
            ++nameEnd;
        const std::size_t gt = unambiguousEnd(x, nameEnd, ">");
        if (gt == npos || x.substr(lt + 1, gt - lt - 1).find('<') != npos)
            return false;
        std::string_view name = x.substr(lt + 1, nameEnd - lt - 1);
        const bool selfClosing = x[gt - 1] == '/';
        if (selfClosing && nameEnd == gt)
            name.remove_suffix(1); // "<array/>"
        if (name.empty())
            return false;
        if (name.front() == '/') {
            if (open.empty() || open.back() != name.substr(1))
                return false;
            open.pop_back();
        } else {
            if (++elements > PlistReader::kMaxNodes)
                return false;
            if (!selfClosing) {
                open.push_back(name);
                if (open.size() > static_cast<std::size_t>(PlistReader::kMaxDepth))
                    return false;
            }
        }
        i = gt + 1;
    }
    return open.empty();
}

// ---------------------------------------------------------------- values --

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

// Reads an open regular file of at most kMaxFileSize bytes; the size from
// fstat is only a hint: reading goes on until the end, but never past the cap.
std::optional<std::string> readDescriptor(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > PlistReader::kMaxFileSize)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) >
            static_cast<std::size_t>(PlistReader::kMaxFileSize))
            return std::nullopt;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return bytes;
}

std::optional<std::string> readRegularFile(const Location& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    auto bytes = readDescriptor(fd);
    ::close(fd);
    return bytes;
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
    return BinaryCheck(data).run();
}

bool PlistReader::isSafeXml(std::string_view data) {
    if (data.size() > static_cast<std::size_t>(kMaxFileSize))
        return false;
    return xmlCheck(data);
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
    auto bytes = readRegularFile(file);
    if (!bytes)
        return {};
    return readData(*bytes, keys);
}

BundleInfo PlistReader::readInfoPlist(const Location& bundle) {
    const BundleFile file(bundle, "Contents/Info.plist");
    if (!file.isOpen())
        return {};
    auto bytes = readDescriptor(file.fd());
    if (!bytes)
        return {};
    return readData(*bytes, infoKeys());
}

} // namespace dovrel
