// Chromium and Firefox ESR as Debian ships them, run headless on a home of
// their own over a page that keeps local storage, an IndexedDB database and a
// cacheable image; then that home scanned and cleaned of everything listed.
// Each browser's cache is named after its desktop entry, its site data is in
// the browsers category, what the user keeps (bookmarks, history, passwords,
// cookies, preferences) comes through byte for byte, and the browser starts
// again on the cleaned home.
//
// The page is served from 127.0.0.1: what a file:// page loads never enters
// a browser's HTTP cache.

#include "cli/CliProcess.h"
#include "support/TempDir.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace dovrel;
using namespace dovrel::test;

namespace {

namespace fs = std::filesystem;

// The page stores something in each kind of site data; /slow.png holds the
// load event back until that is done, so a browser that stops at load has
// written it all.
constexpr const char* kServer = R"(
import http.server, time
PAGE = b"""<!doctype html><html><body><img src="/pic.png"><script>
localStorage.setItem('k', 'v'.repeat(1000));
const r = indexedDB.open('db', 1);
r.onupgradeneeded = () => r.result.createObjectStore('s');
r.onsuccess = () => r.result.transaction('s', 'readwrite').objectStore('s').put('x'.repeat(5000), 'a');
</script><img src="/slow.png"></body></html>"""
PNG = bytes.fromhex('89504e470d0a1a0a0000000d49484452000000010000000108060000001f15c489'
                    '0000000d4944415478da63f8cfc0f01f0005000201a3a0a8e30000000049454e44ae426082')
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path == '/slow.png':
            time.sleep(2)
        page = self.path == '/'
        body = PAGE if page else PNG
        self.send_response(200)
        self.send_header('Content-Type', 'text/html' if page else 'image/png')
        self.send_header('Cache-Control', 'max-age=86400')
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
)";

struct Browser {
    const char* program;
    const char* desktopFile;       // the Debian package's entry
    const char* cache;             // below the home
    const char* sourceType;        // of its browsers-category result
    std::vector<std::string> kept; // what the user keeps, in the profile
};

const Browser kChromium{"chromium",
                        "/usr/share/applications/chromium.desktop",
                        ".cache/chromium",
                        "chrome",
                        {"Default/Bookmarks", "Default/History", "Default/Login Data", "Default/Cookies",
                         "Default/Preferences", "Local State"}};
const Browser kFirefox{"firefox-esr",
                       "/usr/share/applications/firefox-esr.desktop",
                       ".cache/mozilla",
                       "mozilla",
                       {"places.sqlite", "logins.json", "key4.db", "cookies.sqlite", "prefs.js"}};

class RealBrowsersTest : public ::testing::TestWithParam<const Browser*> {
protected:
    TempDir tmp;
    fs::path home = tmp / "home";
    fs::path config = tmp / "config";
    QProcess server;
    QString url;

    void SetUp() override {
        fs::create_directories(home);
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            GTEST_SKIP() << "python3 is missing: nothing can serve the page";
        server.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromUtf8(kServer)});
        if (!server.waitForReadyRead(10000))
            GTEST_SKIP() << "the page server did not start: " << server.readAllStandardError().toStdString();
        url = QStringLiteral("http://127.0.0.1:%1/").arg(QString::fromUtf8(server.readLine().trimmed()));
    }
    void TearDown() override {
        server.kill();
        server.waitForFinished(5000);
    }

    // Runs the browser headless on the home over the page; its exit code,
    // -1 when it did not finish within a minute.
    int runBrowser(const Browser& b, std::string& errors) {
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("MOZ_CRASHREPORTER_DISABLE"), QStringLiteral("1"));
        QStringList args{QStringLiteral("--headless")};
        if (QLatin1String(b.program) == QLatin1String("chromium"))
            args << QStringLiteral("--no-sandbox") << QStringLiteral("--disable-gpu")
                 << QStringLiteral("--user-data-dir=%1")
                        .arg(QString::fromStdString((home / ".config/chromium").string()))
                 << QStringLiteral("--dump-dom");
        else
            args << QStringLiteral("--screenshot") << QString::fromStdString((tmp / "shot.png").string());
        args << url;
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QString::fromLatin1(b.program), args);
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished(5000);
            return -1;
        }
        errors = p.readAllStandardError().right(2000).toStdString();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // Chromium's user-data folder, or the Firefox profile holding prefs.js.
    fs::path profileOf(const Browser& b) const {
        if (QLatin1String(b.program) == QLatin1String("chromium"))
            return home / ".config/chromium";
        for (const fs::path& root : {home / ".mozilla/firefox", home / ".config/mozilla/firefox"})
            if (fs::is_directory(root))
                for (const auto& e : fs::directory_iterator(root))
                    if (fs::exists(e.path() / "prefs.js"))
                        return e.path();
        return {};
    }

    static std::map<std::string, QByteArray> hashes(const fs::path& profile,
                                                    const std::vector<std::string>& kept) {
        std::map<std::string, QByteArray> out;
        for (const auto& k : kept) {
            QFile f(QString::fromStdString((profile / k).string()));
            if (f.open(QIODevice::ReadOnly))
                out[k] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
        }
        return out;
    }

    // The entry's own Name, read straight from its file.
    static QString desktopName(const char* file) {
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("Name="))
                return QString::fromStdString(line.substr(5));
        return {};
    }

    static QJsonArray items(const QJsonObject& root, const char* tag) {
        for (const auto& c : root.value("categories").toArray())
            if (c.toObject().value("type").toString() == QLatin1String(tag))
                return c.toObject().value("items").toArray();
        return {};
    }
};

TEST_P(RealBrowsersTest, CachesAreNamedSiteDataListedAndTheUsersDataKept) {
    const Browser& b = *GetParam();
    if (QStandardPaths::findExecutable(QString::fromLatin1(b.program)).isEmpty())
        GTEST_SKIP() << b.program << " is not installed (scripts/bootstrap installs it)";
    std::string errors;
    const int first = runBrowser(b, errors);
    const fs::path profile = profileOf(b);
    if (first != 0 || profile.empty())
        GTEST_SKIP() << b.program << " cannot start here (exit " << first << "): " << errors;
    ASSERT_TRUE(fs::is_directory(home / b.cache));
    const auto before = hashes(profile, b.kept);
    EXPECT_GE(before.size(), 3u) << "the browser kept almost nothing of its user's data";

    const std::vector<std::string> where{"--home", home.string(), "--layout", "linux"};
    std::vector<std::string> scanArgs{"scan", "--json"};
    scanArgs.insert(scanArgs.end(), where.begin(), where.end());
    const CliRun scan = runCli(scanArgs, config);
    ASSERT_EQ(scan.exitCode, 0) << scan.err.toStdString();
    const QJsonObject found = QJsonDocument::fromJson(scan.out).object();

    QString label;
    for (const auto& c : items(found, "caches"))
        if (c.toObject().value("url").toString().toStdString() == (home / b.cache).string())
            label = c.toObject().value("label").toString();
    EXPECT_FALSE(desktopName(b.desktopFile).isEmpty());
    EXPECT_EQ(label, desktopName(b.desktopFile)) << "the cache of " << b.program;

    std::vector<std::string> siteData;
    for (const auto& s : items(found, "browsers"))
        if (s.toObject().value("type").toString() == QLatin1String(b.sourceType))
            for (const auto& f : s.toObject().value("files").toArray())
                if (fs::exists(f.toString().toStdString()))
                    siteData.push_back(f.toString().toStdString());
    ASSERT_FALSE(siteData.empty()) << "no site data of " << b.program << " listed";
    for (const auto& l : siteData)
        EXPECT_TRUE(l.starts_with(profile.string() + "/")) << l;

    std::vector<std::string> cleanArgs{"clean", "--yes", "--json"};
    cleanArgs.insert(cleanArgs.end(), where.begin(), where.end());
    const CliRun clean = runCli(cleanArgs, config);
    ASSERT_EQ(clean.exitCode, 0) << clean.out.toStdString() << clean.err.toStdString();
    EXPECT_FALSE(fs::exists(home / b.cache));
    for (const auto& l : siteData)
        EXPECT_FALSE(fs::exists(l)) << l;
    EXPECT_EQ(hashes(profile, b.kept), before);

    EXPECT_EQ(runBrowser(b, errors), 0) << b.program << " does not start on the cleaned home: " << errors;
}

INSTANTIATE_TEST_SUITE_P(Debian, RealBrowsersTest, ::testing::Values(&kChromium, &kFirefox),
                         [](const auto& info) {
                             return std::string(info.param == &kChromium ? "Chromium" : "FirefoxEsr");
                         });

} // namespace
