#include "cli/SampleHome.h"

#include <QByteArray>

#include <plist/plist.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dovrel {

namespace {

namespace fs = std::filesystem;

void makeDirs(const fs::path& p) {
    std::error_code ec;
    fs::create_directories(p, ec);
    if (ec)
        throw std::runtime_error("cannot create " + p.string() + ": " + ec.message());
}

void writeBytes(const fs::path& p, const char* data, std::size_t size) {
    makeDirs(p.parent_path());
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + p.string() + ": " + std::strerror(errno));
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0) {
            ::close(fd);
            throw std::runtime_error("cannot write " + p.string());
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

// A file of the given logical size; the data is a hole.
void sparse(const fs::path& p, std::int64_t size) {
    makeDirs(p.parent_path());
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + p.string() + ": " + std::strerror(errno));
    if (size > 0 && ::ftruncate(fd, size) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot size " + p.string());
    }
    ::close(fd);
}

std::uint32_t crc32(const unsigned char* data, std::size_t n, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendBE(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v >> 24)).append(static_cast<char>(v >> 16));
    out.append(static_cast<char>(v >> 8)).append(static_cast<char>(v));
}

void chunk(QByteArray& png, const char* type, const QByteArray& data) {
    appendBE(png, static_cast<std::uint32_t>(data.size()));
    QByteArray body = QByteArray(type, 4) + data;
    png += body;
    appendBE(png, crc32(reinterpret_cast<const unsigned char*>(body.constData()),
                        static_cast<std::size_t>(body.size())));
}

// A 64x64 rounded-square icon in one colour with a lighter disc: enough for
// the screens to show a recognisable, distinct icon per application.
QByteArray iconPng(std::uint32_t rgb) {
    constexpr int n = 64;
    QByteArray raw;
    raw.reserve(n * (1 + n * 4));
    const int r = (rgb >> 16) & 255, g = (rgb >> 8) & 255, b = rgb & 255;
    for (int y = 0; y < n; ++y) {
        raw.append('\0');
        for (int x = 0; x < n; ++x) {
            const int cx = x < 12 ? 12 - x : (x > 51 ? x - 51 : 0);
            const int cy = y < 12 ? 12 - y : (y > 51 ? y - 51 : 0);
            const bool inside = cx * cx + cy * cy <= 144;
            const int dx = x - 32, dy = y - 32;
            const bool disc = dx * dx + dy * dy <= 256;
            const int k = disc ? 70 : 0;
            raw.append(static_cast<char>(std::min(255, r + k)));
            raw.append(static_cast<char>(std::min(255, g + k)));
            raw.append(static_cast<char>(std::min(255, b + k)));
            raw.append(static_cast<char>(inside ? 255 : 0));
        }
    }
    QByteArray z = qCompress(raw, 9).mid(4); // qCompress prefixes the length
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr;
    appendBE(ihdr, n);
    appendBE(ihdr, n);
    ihdr.append('\x08').append('\x06').append('\0').append('\0').append('\0');
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", QByteArray());
    return png;
}

struct BundleSpec {
    const char* relative; // below the folder it goes into
    const char* identifier;
    const char* name;
    const char* version;
    std::uint32_t colour;
    bool binaryPlist;
};

void writeBundle(const fs::path& folder, const BundleSpec& spec) {
    const fs::path bundle = folder / spec.relative;
    const fs::path contents = bundle / "Contents";
    plist_t dict = plist_new_dict();
    if (spec.identifier)
        plist_dict_set_item(dict, "CFBundleIdentifier", plist_new_string(spec.identifier));
    plist_dict_set_item(dict, "CFBundleName", plist_new_string(spec.name));
    plist_dict_set_item(dict, "CFBundleExecutable", plist_new_string(spec.name));
    plist_dict_set_item(dict, "CFBundleShortVersionString", plist_new_string(spec.version));
    plist_dict_set_item(dict, "CFBundleIconFile", plist_new_string("AppIcon.icns"));
    plist_dict_set_item(dict, "CFBundlePackageType", plist_new_string("APPL"));
    char* out = nullptr;
    uint32_t length = 0;
    if (spec.binaryPlist)
        plist_to_bin(dict, &out, &length);
    else
        plist_to_xml(dict, &out, &length);
    plist_free(dict);
    if (!out)
        throw std::runtime_error("cannot encode Info.plist");
    writeBytes(contents / "Info.plist", out, length);
    std::free(out);
    const QByteArray png = iconPng(spec.colour);
    // Named .icns as bundles name their icons; the data is a PNG image.
    writeBytes(contents / "Resources/AppIcon.icns", png.constData(), static_cast<std::size_t>(png.size()));
    const std::string exec = "#!/bin/sh\nexit 0\n";
    writeBytes(contents / "MacOS" / spec.name, exec.data(), exec.size());
    ::chmod((contents / "MacOS" / spec.name).c_str(), 0755);
}

// Deterministic sizes spread like real files: many small, some large.
std::int64_t sizeFor(std::uint64_t i) {
    std::uint64_t h = i * 0x9E3779B97F4A7C15ull;
    h ^= h >> 29;
    const std::uint64_t bucket = h % 100;
    if (bucket < 60)
        return static_cast<std::int64_t>(200 + h % 8000);
    if (bucket < 90)
        return static_cast<std::int64_t>(8000 + h % 120000);
    if (bucket < 99)
        return static_cast<std::int64_t>(128000 + h % 4000000);
    return static_cast<std::int64_t>(4000000 + h % 60000000);
}

// `count` files under `root` in folders of 100, nested two deep.
std::int64_t bulk(const fs::path& root, std::int64_t count, std::uint64_t seed, const char* ext) {
    std::int64_t made = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t folder = i / 100;
        char rel[96];
        std::snprintf(rel, sizeof rel, "d%02lld/d%03lld/f%05lld.%s", static_cast<long long>(folder / 100),
                      static_cast<long long>(folder % 100), static_cast<long long>(i), ext);
        sparse(root / rel, sizeFor(seed + static_cast<std::uint64_t>(i)));
        ++made;
    }
    return made;
}

} // namespace

QByteArray SampleHome::appIconPng(std::uint32_t rgb) {
    return iconPng(rgb);
}

QString SampleHome::loginName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    const QByteArray user = qgetenv("USER");
    return user.isEmpty() ? QStringLiteral("user") : QString::fromLocal8Bit(user);
}

SampleHome::Result SampleHome::build(const Location& dir, std::int64_t bulkFiles, const QString& login) {
    if (login.isEmpty() || login.contains(QLatin1Char('/')) || login == QLatin1String(".") ||
        login == QLatin1String(".."))
        throw std::runtime_error("unusable login name");
    Result result;
    result.home = dir / login.toLocal8Bit().toStdString();
    result.applications = dir / "Applications";
    if (fs::exists(result.home / "Library"))
        throw std::runtime_error(result.home.string() + " already holds a home folder");

    const fs::path& h = result.home;
    const fs::path lib = h / "Library";
    std::int64_t files = 0;
    auto file = [&](const fs::path& p, std::int64_t size) {
        sparse(p, size);
        ++files;
    };

    // Applications.
    const BundleSpec apps[] = {
        {"Editor.app", "com.example.Editor", "Editor", "3.2.1", 0x3b82f6, false},
        {"Photo Studio.app", "com.pixelworks.PhotoStudio", "Photo Studio", "12.0", 0xf97316, true},
        {"Google Chrome.app", "com.google.Chrome", "Google Chrome", "131.0", 0xeab308, true},
        {"Firefox.app", "org.mozilla.firefox", "Firefox", "133.0", 0xef4444, false},
        {"Productivity/Notes Pro.app", "com.notesco.NotesPro", "Notes Pro", "5.4", 0x22c55e, false},
        {"Productivity/Office Suite/Writer.app", "com.officeco.Writer", "Writer", "2.0", 0x6366f1, true},
        {"Utilities/Disk Helper.app", "com.diskco.DiskHelper", "Disk Helper", "1.1", 0x64748b, false},
        {"Safari.app", "com.apple.Safari", "Safari", "18.1", 0x0ea5e9, true},
    };
    for (const auto& a : apps)
        writeBundle(result.applications, a);
    writeBundle(h / "Documents/Projects",
                {"Prototype.app", "com.example.Prototype", "Prototype", "0.1", 0xa855f7, false});

    // Caches of installed applications, of a removed one, and of no one.
    for (int i = 0; i < 12; ++i)
        file(lib / "Caches/com.example.Editor/fsCachedData" / ("blob" + std::to_string(i)), sizeFor(i + 11));
    file(lib / "Caches/Photo Studio/previews/p1.jpg", 880000);
    file(lib / "Caches/Photo Studio/previews/p2.jpg", 640000);
    file(lib / "Caches/com.google.Chrome/Cache_Data/data_0", 2400000);
    file(lib / "Caches/org.mozilla.firefox/startupCache/scriptCache.bin", 310000);
    file(lib / "Caches/com.oldvendor.SyncTool/queue.db", 1500000);
    file(lib / "Caches/com.oldvendor.SyncTool/.index", 4000);
    file(lib / "Caches/com.diskco.DiskHelper/state.bin", 12000);
    makeDirs(lib / "Caches/com.example.EmptyCache");
    file(lib / "Caches/stray.db", 9000);
    file(lib / "Caches/com.apple.Safari/Webpage Previews/1.png", 90000);

    // Containers.
    file(lib / "Containers/com.example.Editor/Data/Library/Caches/render/tile0", 420000);
    file(lib / "Containers/com.example.Editor/Data/Library/Preferences/com.example.Editor.plist", 900);
    file(lib / "Containers/com.retired.Weather/Data/Library/Caches/forecast.json", 220000);
    file(lib / "Containers/com.retired.Weather/Data/Documents/cities.db", 48000);
    file(lib / "Containers/com.apple.mail/Data/Library/Mail Downloads/8F1C/Invoice 2026.pdf", 340000);
    file(lib / "Containers/com.apple.mail/Data/Library/Mail Downloads/A77E/holiday.jpg", 2100000);

    // Leftovers and owned preferences.
    file(lib / "Saved Application State/com.retired.Weather.savedState/windows.plist", 3000);
    file(lib / "Saved Application State/com.example.Editor.savedState/windows.plist", 2000);
    file(lib / "Application Scripts/com.retired.Weather.widget/run.scpt", 1200);
    file(lib / "Preferences/com.retired.Weather.plist", 1800);
    file(lib / "Preferences/com.oldvendor.SyncTool.plist", 2500);
    file(lib / "Preferences/com.example.Editor.plist", 2200);
    file(lib / "Preferences/com.example.Editor.ShareExtension.plist", 700);
    file(lib / "Preferences/com.apple.finder.plist", 5000);
    file(lib / "Preferences/org.gamestudio.Puzzle.Game.plist", 1300);

    // Logs.
    file(lib / "Logs/Editor.log", 56000);
    file(lib / "Logs/alpha.log", 1200);
    file(lib / "Logs/Beta.log", 3400);
    file(lib / "Logs/.hidden.log", 100);
    file(lib / std::string("Logs/caf\xe9.log"), 777);
    file(lib / "Logs/DiagnosticReports/Editor_2026-11-30.crash", 42000);

    // Browsers.
    const fs::path chrome = lib / "Application Support/Google/Chrome/Default";
    file(chrome / "Application Cache/Cache/index", 120000);
    file(chrome / "Local Storage/leveldb/000003.log", 64000);
    file(chrome / "Session Storage/000005.ldb", 18000);
    file(chrome / "Bookmarks", 9000);
    file(lib / "Application Support/Firefox/Profiles/x1y2z3.default-release/storage/default/idb.sqlite",
         520000);
    file(lib / "Application Support/Firefox/Profiles/x1y2z3.default-release/places.sqlite", 5000000);
    file(lib / "Application Support/Firefox/Profiles/q9w8.dev-edition/prefs.js", 4000);
    file(lib / "Safari/LocalStorage/https_example.com_0.localstorage", 30000);

    // Mail clients.
    const fs::path airmail =
        lib / "Group Containers/2E337YPCZY.airmail/Library/Application Support/it.bloop.airmail2/Airmail";
    file(airmail / "ann@example.com_imap/AttachmentsNg/contract.pdf", 760000);
    file(airmail / "General/Tmp/preview.tmp", 15000);
    file(lib / "Group Containers/3L68KQB4HG.group.com.readdle.smartemail/databases/messagesData/msg1.dat",
         95000);
    file(lib / "Group Containers/3L68KQB4HG.group.com.readdle.smartemail/databases/messagesData/msg2.dat",
         41000);

    // Installation files.
    file(h / "Downloads/Installer.dmg", 84000000);
    file(h / "Downloads/App.apk", 23000000);
    file(h / "Downloads/Setup.DMG", 12000000);
    file(h / "Downloads/notes.txt", 3000);
    file(h / "Downloads/Old/Old.dmg", 9000000);
    file(h / "Downloads/.partial.dmg", 1000);
    file(h / "Downloads/Tool.pkg/Contents/Archive.pax", 400000);
    file(h / "Desktop/Screen Recorder.pkg", 6100000);
    file(h / "Documents/Game.ipa", 150000000);
    file(lib / "Application Support/Editor/Updates/Editor-3.3.dmg", 98000000);
    file(lib / "Application Support/Editor/Updates/Android.apk", 5000000);
    file(lib / "Application Support/Vendor/Bundle.pkg/Contents/Inner.pkg", 300000);

    // Trash.
    file(h / ".Trash/old-report.pdf", 250000);
    file(h / ".Trash/.hidden-trashed", 1000);
    file(h / std::string(".Trash/r\xe9sum\xe9.doc"), 32000);
    file(h / ".Trash/Old Folder/a.txt", 1000);
    file(h / ".Trash/Old Folder/b/c.bin", 2000000);

    // Bulk: where real homes keep their many files.
    if (bulkFiles > 0) {
        const struct {
            fs::path root;
            int percent;
            const char* ext;
        } places[] = {
            {lib / "Caches/com.example.Editor/bulk", 25, "cache"},
            {lib / "Caches/com.google.Chrome/Code Cache", 10, "js"},
            {lib / "Containers/com.example.Editor/Data/Library/Caches/bulk", 10, "bin"},
            {lib / "Containers/com.example.Editor/Data/Documents", 5, "doc"},
            {lib / "Application Support/Editor/Projects", 25, "dat"},
            {lib / "Logs/DiagnosticReports/archive", 5, "log"},
            {h / ".Trash/Old Folder/bulk", 5, "tmp"},
            {chrome / "Application Cache/Cache/bulk", 5, "dat"},
            {h / "Documents/Archive", 10, "txt"},
        };
        std::int64_t left = bulkFiles;
        std::uint64_t seed = 1000;
        for (std::size_t i = 0; i < std::size(places); ++i) {
            std::int64_t n = (i + 1 == std::size(places)) ? left : bulkFiles * places[i].percent / 100;
            n = std::min(n, left);
            files += bulk(places[i].root, n, seed, places[i].ext);
            seed += static_cast<std::uint64_t>(n);
            left -= n;
        }
    }
    result.files = files;
    return result;
}

} // namespace dovrel
