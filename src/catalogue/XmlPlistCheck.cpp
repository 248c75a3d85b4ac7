#include "catalogue/XmlPlistCheck.h"

#include "catalogue/PlistReader.h"

#include <cstdint>
#include <vector>

// The scan below finds markup the way libplist's own XML reader does, so that
// both see the same elements: text is searched for '<' without regard to
// quotes; comments end at the first "-->" and CDATA at the first "]]>";
// a processing instruction, a DOCTYPE and the attribute part of a tag end at
// the first terminator outside double quotes (single quotes are plain
// characters to libplist). Where quoting would move a terminator away from
// its first plain occurrence the file is refused, so the two readings can
// never disagree about where an element opens or closes.

namespace dovrel {

namespace {

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

} // namespace

bool XmlPlistCheck::isSafe(std::string_view x) {
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

} // namespace dovrel
