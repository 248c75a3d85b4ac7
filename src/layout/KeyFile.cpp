#include "layout/KeyFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

} // namespace

KeyFile KeyFile::parse(std::string_view text) {
    KeyFile file;
    Group* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view t = trimmed(line);
        if (t.empty() || t.front() == '#')
            continue;
        if (t.front() == '[') {
            if (t.back() != ']') {
                current = nullptr; // a damaged header: its entries belong nowhere
                continue;
            }
            file.groups_.push_back(Group{std::string(t.substr(1, t.size() - 2)), {}});
            current = &file.groups_.back();
            continue;
        }
        const std::size_t eq = t.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(t.substr(0, eq));
        std::string_view v = t.substr(eq + 1);
        while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
            v.remove_prefix(1);
        if (key.empty() || value(*current, key))
            continue;
        current->entries.emplace_back(std::string(key), std::string(v));
    }
    return file;
}

std::optional<KeyFile> KeyFile::readFile(const Location& file, std::int64_t maxSize) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused
    // below as not a regular file.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::string data;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxSize;
    if (ok) {
        // Read at most one byte more than allowed: a file grown since fstat is refused too.
        data.resize(static_cast<std::size_t>(maxSize) + 1);
        std::size_t got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                ok = false;
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        ok = ok && got <= static_cast<std::size_t>(maxSize);
        data.resize(got);
    }
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return parse(data);
}

const KeyFile::Group* KeyFile::group(std::string_view name) const {
    for (const Group& g : groups_)
        if (g.name == name)
            return &g;
    return nullptr;
}

std::optional<std::string> KeyFile::value(std::string_view groupName, std::string_view key) const {
    const Group* g = group(groupName);
    return g ? value(*g, key) : std::nullopt;
}

std::optional<std::string> KeyFile::value(const Group& group, std::string_view key) {
    for (const auto& [k, v] : group.entries)
        if (k == key)
            return v;
    return std::nullopt;
}

std::string KeyFile::unescape(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const char c = raw[++i];
        switch (c) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\';
            out += c;
        }
    }
    return out;
}

} // namespace dovrel
