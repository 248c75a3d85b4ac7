#include "scheduler/DesktopEntryReader.h"

#include <fstream>
#include <sstream>

namespace dovrel::test {

namespace {

// String-value escapes: \s \n \t \r \\.
std::optional<std::string> unescape(const std::string& raw) {
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out += raw[i];
            continue;
        }
        if (++i == raw.size())
            return std::nullopt;
        switch (raw[i]) {
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
            // Exec quoting escapes survive the string pass as "\x" only when
            // written as "\\x"; anything else is a format error.
            return std::nullopt;
        }
    }
    return out;
}

} // namespace

std::optional<DesktopEntryReader> DesktopEntryReader::read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    DesktopEntryReader entry;
    std::string line;
    std::string group;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return std::nullopt;
            group = line.substr(1, line.size() - 2);
            if (entry.groups_.count(group))
                return std::nullopt;
            entry.groups_[group];
            continue;
        }
        const size_t eq = line.find('=');
        if (group.empty() || eq == std::string::npos || eq == 0)
            return std::nullopt;
        std::string key = line.substr(0, eq);
        while (!key.empty() && key.back() == ' ')
            key.pop_back();
        size_t start = eq + 1;
        while (start < line.size() && line[start] == ' ')
            ++start;
        std::optional<std::string> value = unescape(line.substr(start));
        if (!value || !entry.groups_[group].emplace(key, *value).second)
            return std::nullopt;
    }
    return entry;
}

std::optional<std::string> DesktopEntryReader::value(const std::string& group, const std::string& key) const {
    auto g = groups_.find(group);
    if (g == groups_.end())
        return std::nullopt;
    auto v = g->second.find(key);
    if (v == g->second.end())
        return std::nullopt;
    return v->second;
}

std::vector<std::string> DesktopEntryReader::groups() const {
    std::vector<std::string> names;
    for (const auto& [name, keys] : groups_)
        names.push_back(name);
    return names;
}

std::optional<std::vector<std::string>> DesktopEntryReader::execArguments() const {
    std::optional<std::string> exec = value("Desktop Entry", "Exec");
    if (!exec)
        return std::nullopt;
    std::vector<std::string> args;
    std::string current;
    bool inArg = false;
    bool quoted = false;
    const std::string& s = *exec;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (quoted) {
            if (c == '\\') {
                if (++i == s.size())
                    return std::nullopt;
                const char e = s[i];
                if (e != '"' && e != '`' && e != '$' && e != '\\')
                    return std::nullopt;
                current += e;
            } else if (c == '"') {
                quoted = false;
            } else if (c == '%') {
                // Launchers expand field codes before splitting; only "%%" may appear.
                if (i + 1 == s.size() || s[i + 1] != '%')
                    return std::nullopt;
                current += '%';
                ++i;
            } else {
                current += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            inArg = true;
        } else if (c == ' ') {
            if (inArg)
                args.push_back(current);
            current.clear();
            inArg = false;
        } else if (c == '%') {
            // Only "%%" may appear: the agent takes no field codes.
            if (i + 1 == s.size() || s[i + 1] != '%')
                return std::nullopt;
            current += '%';
            ++i;
            inArg = true;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArg)
        args.push_back(current);
    return args;
}

} // namespace dovrel::test
