#include "cli/CliProcess.h"
#include "cli/SampleHome.h"
#include "cli/SampleHomeLinux.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace dovrel;
using namespace dovrel::test;

namespace {

namespace fs = std::filesystem;

// The home layout through the command line: chosen from the home, forced
// with --layout, named in the JSON; a Linux-layout clean removes trash
// entries with their .trashinfo.
class LayoutCliTest : public ::testing::Test {
protected:
    TempDir tmp;
    fs::path config = tmp / "config";

    static QJsonObject parsed(const CliRun& run) { return QJsonDocument::fromJson(run.out).object(); }
    static QJsonArray items(const QJsonObject& root, const char* tag) {
        for (const auto& c : root.value("categories").toArray())
            if (c.toObject().value("type").toString() == QLatin1String(tag))
                return c.toObject().value("items").toArray();
        return {};
    }
    static bool hasLabel(const QJsonArray& list, const char* label) {
        for (const auto& i : list)
            if (i.toObject().value("label").toString() == QString::fromUtf8(label))
                return true;
        return false;
    }
};

TEST_F(LayoutCliTest, TheLayoutIsChosenOrForcedAndNamed) {
    const auto linuxHome = SampleHomeLinux::build(tmp / "linux", 0, "ann");
    const auto macHome = SampleHome::build(tmp / "mac", 0, QStringLiteral("bob"));
    const std::string system = linuxHome.system.string();
    struct Case {
        const char* what;
        std::vector<std::string> args;
        const char* layout;
        bool linuxCaches; // the caches the Linux sample's desktop entries name
    };
    const Case cases[] = {
        {"linux home, automatic",
         {"--home", linuxHome.home.string(), "--system-root", system},
         "linux",
         true},
        {"linux home, forced linux",
         {"--home", linuxHome.home.string(), "--layout", "linux", "--system-root", system},
         "linux",
         true},
        {"linux home, forced macos", {"--home", linuxHome.home.string(), "--layout=macos"}, "macos", false},
        {"macos home, automatic",
         {"--home", macHome.home.string(), "--applications", macHome.applications.string()},
         "macos",
         false},
        {"macos home, forced linux",
         {"--home", macHome.home.string(), "--layout", "linux", "--system-root", system},
         "linux",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> args = {"scan", "--json"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun run = runCli(args, config);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject root = parsed(run);
        EXPECT_EQ(root.value("layout").toString(), QLatin1String(c.layout));
        EXPECT_EQ(root.value("categories").toArray().size(), 7);
        EXPECT_EQ(hasLabel(items(root, "caches"), "VLC media player"), c.linuxCaches);
        bool linuxTrash = false;
        for (const auto& i : items(root, "trash"))
            linuxTrash |=
                i.toObject().value("url").toString().contains(QLatin1String("/.local/share/Trash/files/"));
        EXPECT_EQ(linuxTrash, c.linuxCaches);
    }
    for (const auto& bad : {std::vector<std::string>{"--layout", "windows"},
                            {"--layout"},
                            {"--system-root", (tmp / "missing").string()}}) {
        std::vector<std::string> args = {"scan", "--home", linuxHome.home.string()};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(runCli(args, config).exitCode, 2) << bad.front();
    }
}

TEST_F(LayoutCliTest, ALinuxCleanRemovesTrashEntriesWithTheirInfo) {
    const auto made = SampleHomeLinux::build(tmp / "linux", 0, "ann");
    const fs::path trash = made.home / ".local/share/Trash";
    ASSERT_FALSE(fs::is_empty(trash / "files"));
    ASSERT_FALSE(fs::is_empty(trash / "info"));
    const CliRun run = runCli({"clean", "--yes", "--json", "--only", "trash", "--home", made.home.string(),
                               "--system-root", made.system.string()},
                              config);
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    // Every pair, the item without a .trashinfo and the lone .trashinfo went;
    // the trash and its two folders stay.
    EXPECT_TRUE(fs::is_directory(trash / "files") && fs::is_empty(trash / "files"));
    EXPECT_TRUE(fs::is_directory(trash / "info") && fs::is_empty(trash / "info"));
    for (const auto& o : parsed(run).value("outcomes").toArray())
        EXPECT_EQ(o.toObject().value("status").toString(), "removed")
            << o.toObject().value("url").toString().toStdString();
    // Nothing outside the trash was touched.
    EXPECT_TRUE(fs::exists(made.home / ".cache"));
    EXPECT_FALSE(fs::is_empty(made.home / ".cache"));
}

// Chromium runs on the sample home (its lock names this test's process): its
// site data is listed, marked and left; Chrome's and every cache go.
TEST_F(LayoutCliTest, ARunningBrowsersSiteDataIsListedButLeftWithTheReason) {
    const auto made = SampleHomeLinux::build(tmp / "linux", 0, "ann");
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    fs::create_symlink(std::string(host) + "-" + std::to_string(::getpid()),
                       made.home / ".config/chromium/SingletonLock");
    const std::vector<std::string> where{"--home", made.home.string(), "--system-root", made.system.string()};
    auto args = [&](std::vector<std::string> a) {
        a.insert(a.end(), where.begin(), where.end());
        return a;
    };

    const CliRun scan = runCli(args({"scan", "--json"}), config);
    ASSERT_EQ(scan.exitCode, 0) << scan.err.toStdString();
    QStringList running;
    for (const auto& i : items(parsed(scan), "browsers"))
        if (i.toObject().value("type").toString() == "chrome")
            for (const auto& b : i.toObject().value("in_use_by").toArray())
                running << b.toString();
    EXPECT_EQ(running, QStringList{"Chromium"});

    const CliRun run = runCli(args({"clean", "--yes", "--json", "--only", "browsers", "caches"}), config);
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Close Chromium to clean its site data")) << run.err.toStdString();
    QStringList left;
    for (const auto& u : parsed(run).value("in_use").toArray()) {
        EXPECT_EQ(u.toObject().value("reason").toString(), "Close Chromium to clean its site data");
        left << u.toObject().value("url").toString();
    }
    EXPECT_FALSE(left.isEmpty());
    for (const QString& l : left)
        EXPECT_TRUE(l.startsWith(QString::fromStdString((made.home / ".config/chromium/Default/").string())))
            << l.toStdString();
    EXPECT_TRUE(fs::exists(made.home / ".config/chromium/Default/Local Storage/leveldb/000004.log"));
    EXPECT_FALSE(fs::exists(made.home / ".config/google-chrome/Default/Local Storage"));
    EXPECT_FALSE(fs::exists(made.home / ".cache/chromium"));
}

} // namespace
