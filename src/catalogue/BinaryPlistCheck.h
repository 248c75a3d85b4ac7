#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dovrel {

// The structural check of a binary plist ("bplist00") before libplist parses
// it: trailer, offset table, every object's header and size, strings free of
// NUL, references in range, dictionary keys are strings, no cycles, depth <=
// PlistReader::kMaxDepth, expanded node count <= PlistReader::kMaxNodes.
// Sets, null objects and lone surrogates are refused. `data` must outlive
// the check.
class BinaryPlistCheck {
public:
    explicit BinaryPlistCheck(std::string_view data)
        : p_(reinterpret_cast<const unsigned char*>(data.data())), n_(data.size()) {}

    // True when libplist can be given the bytes safely.
    bool run() { return readTrailer() && readObjects() && checkKeys() && checkGraph(); }

private:
    enum class Kind : std::uint8_t { Scalar, String, Array, Dict };

    struct Object {
        Kind kind = Kind::Scalar;
        std::uint32_t refsAt = 0; // byte position of the first reference
        std::uint32_t refs = 0;   // number of references (keys and values for a dictionary)
        std::uint32_t keys = 0;   // dictionaries: the first `keys` references are keys
    };

    bool readTrailer();
    bool readLength(std::size_t& pos, unsigned info, std::uint64_t& length) const;
    static bool utf16IsClean(const unsigned char* s, std::uint64_t units);
    bool readObject(std::size_t at, Object& obj) const;
    bool readObjects();
    std::uint64_t ref(const Object& obj, std::uint32_t i) const;
    bool checkKeys() const;
    bool checkGraph() const;

    const unsigned char* p_;
    std::size_t n_;
    unsigned offsetSize_ = 0;
    unsigned refSize_ = 0;
    std::uint32_t count_ = 0;
    std::uint32_t root_ = 0;
    std::size_t table_ = 0;
    std::vector<Object> objects_;
};

} // namespace dovrel
