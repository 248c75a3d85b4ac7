#include "catalogue/BinaryPlistCheck.h"

#include "catalogue/PlistReader.h"

#include <algorithm>
#include <string>

namespace dovrel {

namespace {

constexpr std::size_t kTrailerSize = 32;
constexpr std::string_view kBinaryMagic = "bplist00";

std::uint64_t readBigEndian(const unsigned char* p, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

bool isPowerOfTwoUpTo8(unsigned v) {
    return v == 1 || v == 2 || v == 4 || v == 8;
}

} // namespace

bool BinaryPlistCheck::readTrailer() {
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
bool BinaryPlistCheck::readLength(std::size_t& pos, unsigned info, std::uint64_t& length) const {
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

bool BinaryPlistCheck::utf16IsClean(const unsigned char* s, std::uint64_t units) {
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

bool BinaryPlistCheck::readObject(std::size_t at, Object& obj) const {
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
        const std::size_t unit = type == 0x6 ? 2 : type == 0xA ? refSize_ : type == 0xD ? 2 * refSize_ : 1;
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

bool BinaryPlistCheck::readObjects() {
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

std::uint64_t BinaryPlistCheck::ref(const Object& obj, std::uint32_t i) const {
    return readBigEndian(p_ + obj.refsAt + std::size_t{i} * refSize_, refSize_);
}

bool BinaryPlistCheck::checkKeys() const {
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
bool BinaryPlistCheck::checkGraph() const {
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

} // namespace dovrel
