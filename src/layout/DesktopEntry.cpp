#include "layout/DesktopEntry.h"

#include "layout/KeyFile.h"

#include <vector>

namespace dovrel {

namespace {

constexpr std::string_view kGroup = "Desktop Entry";

QString text(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<QString> textValue(const KeyFile& file, std::string_view key) {
    auto v = file.value(kGroup, key);
    if (!v)
        return std::nullopt;
    const std::string unescaped = KeyFile::unescape(*v);
    if (unescaped.empty())
        return std::nullopt;
    return text(unescaped);
}

// The words of an Exec value: separated by blanks, double-quoted words keep
// their blanks, a backslash keeps the next character.
std::vector<std::string> words(std::string_view exec) {
    std::vector<std::string> out;
    std::string word;
    bool inWord = false, quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '\\' && i + 1 < exec.size()) {
            word += exec[++i];
            inWord = true;
        } else if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord)
                out.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        out.push_back(std::move(word));
    return out;
}

} // namespace

std::optional<std::string> DesktopEntry::execProgram(std::string_view exec) {
    const std::vector<std::string> list = words(KeyFile::unescape(exec));
    std::size_t i = 0;
    auto base = [](const std::string& w) {
        const std::size_t slash = w.rfind('/');
        return slash == std::string::npos ? w : w.substr(slash + 1);
    };
    if (i < list.size() && base(list[i]) == "env") {
        ++i;
        while (i < list.size() && (list[i].find('=') != std::string::npos || list[i].starts_with("-")))
            ++i;
    }
    if (i == list.size())
        return std::nullopt;
    const std::string program = base(list[i]);
    static const char* const launchers[] = {"flatpak", "snap", "sh", "bash", "env", ""};
    for (const char* l : launchers)
        if (program == l)
            return std::nullopt;
    return program;
}

std::optional<std::string> DesktopEntry::localised(const KeyFile& file, std::string_view key,
                                                   std::string_view locale) {
    // lang_COUNTRY.ENCODING@MODIFIER: the encoding plays no part.
    std::string_view modifier;
    if (const auto at = locale.find('@'); at != std::string_view::npos) {
        modifier = locale.substr(at + 1);
        locale = locale.substr(0, at);
    }
    if (const auto dot = locale.find('.'); dot != std::string_view::npos)
        locale = locale.substr(0, dot);
    std::string_view lang = locale;
    std::string_view country;
    if (const auto us = locale.find('_'); us != std::string_view::npos) {
        lang = locale.substr(0, us);
        country = locale.substr(us + 1);
    }
    std::vector<std::string> tries;
    if (!lang.empty() && lang != "C" && lang != "POSIX") {
        const std::string l(lang), c(country), m(modifier);
        if (!c.empty() && !m.empty())
            tries.push_back(l + "_" + c + "@" + m);
        if (!c.empty())
            tries.push_back(l + "_" + c);
        if (!m.empty())
            tries.push_back(l + "@" + m);
        tries.push_back(l);
    }
    for (const std::string& t : tries)
        if (auto v = file.value(kGroup, std::string(key) + "[" + t + "]"); v && !v->empty())
            return v;
    return file.value(kGroup, key);
}

std::optional<DesktopEntry> DesktopEntry::fromKeyFile(const KeyFile& file, QString id,
                                                      std::string_view locale) {
    if (!file.group(kGroup))
        return std::nullopt;
    if (auto type = file.value(kGroup, "Type"); type && *type != "Application")
        return std::nullopt;
    auto name = localised(file, "Name", locale);
    if (!name || name->empty())
        return std::nullopt;
    DesktopEntry entry;
    entry.id = std::move(id);
    entry.name = text(KeyFile::unescape(*name));
    entry.icon = textValue(file, "Icon");
    entry.startupWMClass = textValue(file, "StartupWMClass");
    if (auto exec = file.value(kGroup, "Exec"))
        if (auto program = execProgram(*exec))
            entry.program = text(*program);
    return entry;
}

std::optional<DesktopEntry> DesktopEntry::read(const Location& file, QString id, std::string_view locale) {
    auto keys = KeyFile::readFile(file);
    if (!keys)
        return std::nullopt;
    auto entry = fromKeyFile(*keys, std::move(id), locale);
    if (entry)
        entry->file = file;
    return entry;
}

} // namespace dovrel
