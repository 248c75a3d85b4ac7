#include "cli/SampleHomeLinux.h"

#include "cli/SampleHome.h"

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {

namespace {

namespace fs = std::filesystem;

void makeDirs(const fs::path& p) {
    std::error_code ec;
    fs::create_directories(p, ec);
    if (ec)
        throw std::runtime_error("cannot create " + p.string() + ": " + ec.message());
}

int create(const fs::path& p) {
    makeDirs(p.parent_path());
    const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + p.string() + ": " + std::strerror(errno));
    return fd;
}

void writeText(const fs::path& p, const std::string& text) {
    const int fd = create(p);
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
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
    const int fd = create(p);
    if (size > 0 && ::ftruncate(fd, size) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot size " + p.string());
    }
    ::close(fd);
}

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

struct App {
    const char* id;
    const char* body; // the entry after [Desktop Entry]
    const char* icon; // written to the hicolor theme when set
    std::uint32_t colour;
};

} // namespace

SampleHomeLinux::Result SampleHomeLinux::build(const Location& dir, std::int64_t bulkFiles,
                                               const QString& login) {
    if (login.isEmpty() || login.contains(QLatin1Char('/')) || login == QLatin1String(".") ||
        login == QLatin1String(".."))
        throw std::runtime_error("unusable login name");
    Result result;
    result.home = dir / login.toLocal8Bit().toStdString();
    result.system = dir / "system";
    if (fs::exists(result.home / ".cache") || fs::exists(result.system))
        throw std::runtime_error(result.home.string() + " already holds a Linux home folder");

    const fs::path& h = result.home;
    const fs::path& sys = result.system;
    const fs::path share = h / ".local/share";
    std::int64_t files = 0;
    auto file = [&](const fs::path& p, std::int64_t size) {
        sparse(p, size);
        ++files;
    };
    auto text = [&](const fs::path& p, const std::string& t) {
        writeText(p, t);
        ++files;
    };
    auto entry = [&](const fs::path& dataDir, const App& app) {
        text(dataDir / "applications" / (std::string(app.id) + ".desktop"),
             std::string("[Desktop Entry]\nType=Application\n") + app.body);
        if (app.icon) {
            const QByteArray png = SampleHome::appIconPng(app.colour);
            writeText(dataDir / "icons/hicolor/64x64/apps" / (std::string(app.icon) + ".png"),
                      std::string(png.constData(), static_cast<std::size_t>(png.size())));
        }
    };

    // Desktop entries: the system's, the user's own, Flatpak's exported ones.
    const App systemApps[] = {
        {"firefox-esr",
         "Name=Firefox ESR\nName[de]=Firefox ESR\nExec=/usr/lib/firefox-esr/firefox-esr %u\n"
         "Icon=firefox-esr\nStartupWMClass=firefox-esr\n",
         "firefox-esr", 0xef4444},
        {"google-chrome",
         "Name=Google Chrome\nExec=/usr/bin/google-chrome-stable %U\nIcon=google-chrome\n"
         "StartupWMClass=Google-chrome\n",
         "google-chrome", 0xeab308},
        {"chromium", "Name=Chromium\nExec=/usr/bin/chromium %U\nIcon=chromium\n", "chromium", 0x3b82f6},
        {"org.gnome.TextEditor",
         "Name=Text Editor\nName[fr]=\xc3\x89"
         "diteur de texte\nExec=gnome-text-editor %U\n"
         "Icon=org.gnome.TextEditor\n",
         "org.gnome.TextEditor", 0x22c55e},
        {"vlc",
         "Name=VLC media player\nExec=/usr/bin/vlc --started-from-file %U\nIcon=vlc\nStartupWMClass=vlc\n",
         "vlc", 0xf97316},
        {"code",
         "Name=Visual Editor\nExec=env GDK_BACKEND=x11 /usr/share/code/code --unity-launch %F\n"
         "Icon=vscode\nStartupWMClass=Code\n",
         "vscode", 0x6366f1},
        {"damaged", "Exec=damaged\n", nullptr, 0}, // no Name: not an application
    };
    for (const App& a : systemApps)
        entry(sys / "share", a);
    entry(share,
          {"tidy-photos", "Name=Tidy Photos\nExec=\"/home/me/bin/tidy-photos\" --gui\nIcon=tidy-photos\n",
           "tidy-photos", 0xa855f7});
    entry(share / "flatpak/exports/share",
          {"org.gnome.Maps",
           "Name=Maps\nExec=/usr/bin/flatpak run --branch=stable org.gnome.Maps\n"
           "Icon=org.gnome.Maps\n",
           "org.gnome.Maps", 0x10b981});
    entry(sys / "flatpak/exports/share",
          {"com.spotify.Client",
           "Name=Spotify\nExec=/usr/bin/flatpak run com.spotify.Client\nIcon=com.spotify.Client\n",
           "com.spotify.Client", 0x16a34a});

    // Installations: Maps per user, Spotify system-wide; two removed apps and a removed snap.
    text(share / "flatpak/app/org.gnome.Maps/current/active/metadata",
         "[Application]\nname=org.gnome.Maps\n");
    text(sys / "flatpak/app/com.spotify.Client/current/active/metadata",
         "[Application]\nname=com.spotify.Client\n");
    text(sys / "snap/hello-world/current/meta/snap.yaml", "name: hello-world\n");
    file(h / ".var/app/org.gnome.Maps/cache/tiles/12/2048/1361.png", 18000);
    file(h / ".var/app/org.gnome.Maps/cache/tiles/12/2048/1362.png", 21000);
    file(h / ".var/app/org.gnome.Maps/config/maps/places.json", 900);
    file(h / ".var/app/com.spotify.Client/cache/spotify/Storage/aa/data", 7400000);
    file(h / ".var/app/com.spotify.Client/config/spotify/prefs", 1200);
    file(h / ".var/app/org.removed.Game/data/saves/slot1.sav", 340000);
    file(h / ".var/app/org.removed.Game/cache/shaders.bin", 2100000);
    file(h / ".var/app/com.oldchat.Messenger/config/Messenger/Local Storage/leveldb/000003.log", 88000);
    file(h / "snap/hello-world/common/greeting.txt", 20);
    file(h / "snap/removed-tool/common/state.db", 640000);
    file(h / "snap/removed-tool/current/settings.conf", 300);

    // Caches: known applications (by id, last piece, class, program), unknown ones, odd names.
    for (int i = 0; i < 8; ++i)
        file(h / ".cache/mozilla/firefox-esr/x1y2z3.default-esr/cache2/entries" / ("E" + std::to_string(i)),
             sizeFor(static_cast<std::uint64_t>(i) + 7));
    file(h / ".cache/firefox-esr/startupCache/scriptCache.bin", 310000);
    file(h / ".cache/google-chrome/Default/Cache/Cache_Data/data_0", 2400000);
    file(h / ".cache/chromium/Default/Code Cache/js/index", 520000);
    file(h / ".cache/vlc/art/artistalbum/cover.jpg", 64000);
    file(h / ".cache/gnome-text-editor/session.bin", 4000);
    file(h / ".cache/Code/CachedData/x/y.code", 150000);
    file(h / ".cache/tidy-photos/previews/p1.jpg", 880000);
    file(h / ".cache/thumbnails/normal/0a1b2c.png", 12000);
    file(h / ".cache/thumbnails/large/0a1b2c.png", 48000);
    file(h / ".cache/mesa_shader_cache/index", 1300000);
    file(h / ".cache/fontconfig/cache-7.fc", 30000);
    file(h / ".cache/pip/http/a/b/c/d", 900000);
    file(h / ".cache/event-sound-cache.tdb.0a1b2c.x86_64-pc-linux-gnu", 12288);
    file(h / ".cache/motd.legal-displayed", 0);
    makeDirs(h / ".cache/empty-cache");
    file(h / ".cache/.hidden-cache/x", 5000);
    file(h / std::string(".cache/caf\xe9-cache/blob"), 7000);
    file(h / ".cache/name with spaces & [brackets]/x", 3000);

    // Developer tools' download caches outside ~/.cache, beside what of theirs
    // is not a cache (logs, installed programs, unpacked sources, settings).
    // Go leaves its module folders read-only; these stay writable so that the
    // sample can be deleted like any folder.
    file(h / ".npm/_cacache/content-v2/sha512/3f/a1/9c0d2e4b6a8f", 2400000);
    file(h / ".npm/_cacache/index-v5/7e/11/b2c4d6e8", 1400);
    file(h / ".npm/_logs/2026-11-30T09_15_00_000Z-debug-0.log", 3000);
    file(share / "pnpm/store/v10/files/00/1a2b3c4d5e6f", 860000);
    file(share / "pnpm/global/5/node_modules/.pnpm/lock.yaml", 2000);
    file(h / ".cargo/registry/cache/index.crates.io-1949cf8c6b5b557f/serde-1.0.210.crate", 78000);
    file(h / ".cargo/registry/index/index.crates.io-1949cf8c6b5b557f/.cache/se/rd/serde", 41000);
    file(h / ".cargo/registry/src/index.crates.io-1949cf8c6b5b557f/serde-1.0.210/src/lib.rs", 12000);
    file(h / ".cargo/git/db/tokio-2a3b4c5d6e7f8091/objects/pack/pack-1.pack", 4100000);
    file(h / ".cargo/git/checkouts/tokio-2a3b4c5d6e7f8091/ab12cd3/src/lib.rs", 30000);
    file(h / ".cargo/bin/cargo-watch", 5200000);
    file(h / ".gradle/caches/modules-2/files-2.1/com.google.guava/guava/33.0/guava-33.0.jar", 3000000);
    file(h / ".gradle/wrapper/dists/gradle-8.5-bin/5t9huq95ubn472n8rpzujfbqh/gradle-8.5-bin.zip", 12000000);
    file(h / ".gradle/gradle.properties", 200);
    file(h / ".m2/repository/org/apache/commons/commons-lang3/3.14.0/commons-lang3-3.14.0.jar", 650000);
    file(h / ".m2/settings.xml", 900);
    file(h / "go/pkg/mod/github.com/google/uuid@v1.6.0/uuid.go", 9000);
    file(h / "go/pkg/mod/cache/download/github.com/google/uuid/@v/v1.6.0.zip", 28000);
    file(h / "go/bin/gopls", 31000000);
    file(h / ".conda/pkgs/numpy-1.26.4-py312h8753938_0/lib/libnumpy.so", 7000000);
    file(h / "miniconda3/pkgs/python-3.12.1-hab00c5b_0.conda", 31000000);
    file(h / "miniconda3/conda-meta/history", 4000);

    // Logs, and state that is not ours to take.
    file(h / ".xsession-errors", 56000);
    file(h / ".xsession-errors.old", 12000);
    file(share / "xorg/Xorg.0.log", 48000);
    file(share / "xorg/Xorg.0.log.old", 44000);
    file(share / "xorg/Xorg.1.log", 30000);
    file(h / ".local/state/wireplumber/restore-stream", 2000);

    // Browsers.
    const fs::path chrome = h / ".config/google-chrome/Default";
    file(chrome / "Local Storage/leveldb/000003.log", 64000);
    file(chrome / "Session Storage/000005.ldb", 18000);
    file(chrome / "Storage/ext/abc/def/db", 9000);
    file(chrome / "Bookmarks", 9000);
    file(chrome / "Login Data", 40000);
    file(h / ".config/chromium/Default/Local Storage/leveldb/000004.log", 22000);
    file(h / ".config/chromium/Default/Sync Data/LevelDB/000001.log", 5000);
    file(h / ".config/chromium/Profile 1/Local Storage/leveldb/x.log", 7000);
    const fs::path firefox = h / ".mozilla/firefox";
    text(firefox / "profiles.ini",
         "[Install4F96D1932A9F858E]\nDefault=x1y2z3.default-esr\nLocked=1\n\n"
         "[Profile0]\nName=default-esr\nIsRelative=1\nPath=x1y2z3.default-esr\nDefault=1\n\n"
         "[General]\nStartWithLastProfile=1\nVersion=2\n");
    file(firefox / "x1y2z3.default-esr/storage/default/https+++example.org/idb/1.sqlite", 520000);
    file(firefox / "x1y2z3.default-esr/storage/permanent/chrome/idb/2.sqlite", 48000);
    file(firefox / "x1y2z3.default-esr/places.sqlite", 5000000);
    file(firefox / "q9w8.dev-edition/storage/default/https+++dev.example/ls/data.sqlite", 33000);
    file(firefox / "q9w8.dev-edition/prefs.js", 4000);

    // A mail store: never found, in any category.
    file(h / ".thunderbird/ab12cd.default-esr/ImapMail/imap.example.org/INBOX", 9000000);
    file(h / ".thunderbird/ab12cd.default-esr/Mail/Local Folders/Sent", 1200000);

    // Installers.
    file(h / "Downloads/google-chrome-stable_current_amd64.deb", 110000000);
    file(h / "Downloads/tool-2.1.x86_64.rpm", 23000000);
    file(h / "Downloads/Editor-3.3.AppImage", 98000000);
    file(h / "Downloads/org.gnome.Maps.flatpakref", 1800);
    file(h / "Downloads/driver-installer.run", 64000000);
    file(h / "Downloads/Setup.DEB", 12000000);
    file(h / "Downloads/notes.txt", 3000);
    file(h / "Downloads/Old/old.deb", 9000000);
    file(h / "Downloads/.partial.deb", 1000);
    file(h / "Desktop/tool_1.0_amd64.snap", 6100000);
    file(h / "Documents/bundle.flatpak", 150000000);

    // Trash: pairs, a folder with its directorysizes line, odd names, and strays.
    const fs::path trash = share / "Trash";
    auto trashed = [&](const std::string& name, std::int64_t size, const std::string& path) {
        if (size >= 0)
            file(trash / "files" / name, size);
        text(trash / "info" / (name + ".trashinfo"),
             "[Trash Info]\nPath=" + path + "\nDeletionDate=2026-11-30T09:15:00\n");
    };
    const std::string home = h.native();
    trashed("report.pdf", 250000, home + "/Documents/report.pdf");
    trashed("Old Folder", -1, home + "/Old%20Folder");
    file(trash / "files/Old Folder/a.txt", 1000);
    file(trash / "files/Old Folder/b/c.bin", 2000000);
    trashed(std::string("r\xe9sum\xe9.doc"), 32000, home + "/Documents/r%E9sum%E9.doc");
    trashed("100%.txt", 900, home + "/100%25.txt");
    trashed(".hidden-trashed", 1000, home + "/.hidden-trashed");
    trashed("report.2.pdf", 120000, home + "/Desktop/report.pdf");
    trashed("gone.txt", -1, home + "/gone.txt"); // its item is already gone
    file(trash / "files/no-info.bin", 4000);     // and this one never had a .trashinfo
    text(trash / "directorysizes", "2001000 1764494100 Old%20Folder\n");

    // Bulk.
    if (bulkFiles > 0) {
        const struct {
            fs::path root;
            int percent;
            const char* ext;
        } places[] = {
            {h / ".cache/mozilla/firefox-esr/x1y2z3.default-esr/cache2/bulk", 25, "cache"},
            {h / ".cache/google-chrome/Default/Cache/bulk", 15, "bin"},
            {h / ".cache/thumbnails/normal/bulk", 10, "png"},
            {h / ".var/app/com.spotify.Client/cache/bulk", 10, "dat"},
            {chrome / "Local Storage/bulk", 5, "ldb"},
            {firefox / "x1y2z3.default-esr/storage/default/bulk", 5, "sqlite"},
            {trash / "files/Old Folder/bulk", 5, "tmp"},
            {h / "Documents/Archive", 15, "txt"},
            {h / ".local/share/app-data", 10, "dat"},
        };
        std::int64_t left = bulkFiles;
        std::uint64_t seed = 1000;
        for (std::size_t i = 0; i < std::size(places); ++i) {
            std::int64_t n = (i + 1 == std::size(places)) ? left : bulkFiles * places[i].percent / 100;
            n = std::min(n, left);
            for (std::int64_t k = 0; k < n; ++k) {
                const std::int64_t folder = k / 100;
                char rel[96];
                std::snprintf(rel, sizeof rel, "d%02lld/d%03lld/f%05lld.%s",
                              static_cast<long long>(folder / 100), static_cast<long long>(folder % 100),
                              static_cast<long long>(k), places[i].ext);
                file(places[i].root / rel, sizeFor(seed + static_cast<std::uint64_t>(k)));
            }
            seed += static_cast<std::uint64_t>(n);
            left -= n;
        }
    }
    result.files = files;
    return result;
}

} // namespace dovrel
