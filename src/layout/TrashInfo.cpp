#include "layout/TrashInfo.h"

#include "layout/KeyFile.h"

namespace dovrel {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<TrashInfo> fromKeyFile(const KeyFile& file, const Location& topDirectory) {
    auto path = file.value("Trash Info", "Path");
    if (!path || path->empty())
        return std::nullopt;
    TrashInfo info;
    const std::string decoded = TrashInfo::percentDecode(*path);
    if (decoded.empty() || decoded.find('\0') != std::string::npos)
        return std::nullopt;
    info.original = decoded.front() == '/' ? Location(decoded) : topDirectory / decoded;
    info.deletionDate = file.value("Trash Info", "DeletionDate");
    return info;
}

} // namespace

std::string TrashInfo::percentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::optional<TrashInfo> TrashInfo::parse(std::string_view text, const Location& topDirectory) {
    return fromKeyFile(KeyFile::parse(text), topDirectory);
}

std::optional<TrashInfo> TrashInfo::read(const Location& infoFile, const Location& topDirectory) {
    auto file = KeyFile::readFile(infoFile, kMaxFileSize);
    if (!file)
        return std::nullopt;
    return fromKeyFile(*file, topDirectory);
}

} // namespace dovrel
