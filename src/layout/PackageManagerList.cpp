#include "layout/PackageManagerList.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <vector>

namespace dovrel {

namespace {

std::optional<std::string> run(const Location& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Untranslated headers and messages.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QString::fromStdString(program.native()), arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs))
        return std::nullopt;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    const QByteArray out = process.readAllStandardOutput();
    return std::string(out.constData(), static_cast<std::size_t>(out.size()));
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (!line.empty())
            out.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return out;
}

// A D-Bus-style application id: two or more dot-separated elements of
// letters, digits, '_' and '-', none starting with a digit.
bool isApplicationId(std::string_view id) {
    if (id.empty() || id.size() > 255)
        return false;
    int elements = 0;
    std::size_t start = 0;
    while (start <= id.size()) {
        const std::size_t dot = std::min(id.find('.', start), id.size());
        const std::string_view element = id.substr(start, dot - start);
        if (element.empty() || std::isdigit(static_cast<unsigned char>(element.front())))
            return false;
        for (char c : element)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
                return false;
        ++elements;
        start = dot + 1;
    }
    return elements >= 2;
}

bool isSnapName(std::string_view name) {
    if (name.empty() || name.size() > 64)
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'; });
}

} // namespace

std::optional<std::set<std::string>> PackageManagerList::parseFlatpakApps(std::string_view output) {
    std::set<std::string> ids;
    const auto all = lines(output);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (isApplicationId(all[i]))
            ids.emplace(all[i]);
        else if (i != 0) // only the first line may be a header
            return std::nullopt;
    }
    return ids;
}

std::optional<std::set<std::string>> PackageManagerList::parseSnaps(std::string_view output) {
    std::set<std::string> names;
    const auto all = lines(output);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string_view name = all[i].substr(0, all[i].find_first_of(" \t"));
        if (i == 0 && name == "Name")
            continue;
        if (!isSnapName(name))
            return std::nullopt;
        names.emplace(name);
    }
    return names;
}

std::optional<std::set<std::string>> PackageManagerList::flatpakApps(const Location& program, int timeoutMs) {
    const auto out = run(
        program, {QStringLiteral("list"), QStringLiteral("--app"), QStringLiteral("--columns=application")},
        timeoutMs);
    return out ? parseFlatpakApps(*out) : std::nullopt;
}

std::optional<std::set<std::string>> PackageManagerList::snaps(const Location& program, int timeoutMs) {
    const auto out = run(program, {QStringLiteral("list")}, timeoutMs);
    return out ? parseSnaps(*out) : std::nullopt;
}

} // namespace dovrel
