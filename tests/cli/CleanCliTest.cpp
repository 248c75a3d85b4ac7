#include "cli/CliProcess.h"
#include "cli/SampleHome.h"
#include "platform/Defaults.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace dovrel;
using namespace dovrel::test;

namespace {

class CleanCliTest : public ::testing::Test {
protected:
    TempDir tmp;
    SampleHome::Result made = SampleHome::build(tmp / "sample", 50, QStringLiteral("ann"));
    std::filesystem::path config = tmp / "config";

    std::vector<std::string> base(std::vector<std::string> extra) const {
        std::vector<std::string> a{"clean", "--home", made.home.string(), "--applications",
                                   made.applications.string()};
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    }
    static std::size_t countAll(const std::filesystem::path& root) {
        std::size_t n = 0;
        for (auto it = std::filesystem::recursive_directory_iterator(root); it != decltype(it)(); ++it)
            ++n;
        return n;
    }
    static bool exists(const std::filesystem::path& p) {
        struct stat st {};
        return ::lstat(p.c_str(), &st) == 0;
    }
};

TEST_F(CleanCliTest, DryRunRemovesNothingAndSaysHowToGoAhead) {
    const std::size_t before = countAll(tmp / "sample");
    auto r = runCli(base({}), config);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(countAll(tmp / "sample"), before);
    EXPECT_TRUE(r.out.contains("--yes"));
    EXPECT_TRUE(r.out.contains("Installer.dmg"));

    auto j = runCli(base({"--json"}), config);
    ASSERT_EQ(j.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(j.out).object();
    EXPECT_TRUE(o.value("dry_run").toBool());
    EXPECT_GT(o.value("chosen_size").toInteger(), 0);
    EXPECT_FALSE(o.value("locations").toArray().isEmpty());
    EXPECT_EQ(countAll(tmp / "sample"), before);
}

TEST_F(CleanCliTest, OnlyAndKeepNarrowWhatGoes) {
    const auto keptFile = made.home / ".Trash/old-report.pdf";
    const auto keptInside = made.home / ".Trash/Old Folder/a.txt"; // keeps its whole folder
    auto r = runCli(base({"--only", "trash", "installs", "--keep", keptFile.string(), keptInside.string(),
                          "--yes", "--json"}),
                    config);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_TRUE(exists(keptFile));
    EXPECT_TRUE(exists(keptInside));
    EXPECT_TRUE(exists(made.home / ".Trash/Old Folder/b/c.bin"));
    EXPECT_FALSE(exists(made.home / ".Trash/.hidden-trashed"));
    EXPECT_FALSE(exists(made.home / "Downloads/Installer.dmg"));
    EXPECT_TRUE(exists(made.home / "Downloads/Setup.DMG"));               // never found by the scan
    EXPECT_TRUE(exists(made.home / "Library/Logs/alpha.log"));            // category not chosen
    EXPECT_TRUE(exists(made.home / "Library/Caches/com.example.Editor")); // category not chosen
    EXPECT_TRUE(exists(made.home / ".Trash"));                            // fixed folders stay

    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_FALSE(o.value("dry_run").toBool());
    qint64 bytes = 0;
    for (const auto& v : o.value("outcomes").toArray()) {
        // A package inside a folder-style package goes with it: "already-gone" after.
        const QString status = v.toObject().value("status").toString();
        EXPECT_TRUE(status == "removed" || status == "already-gone") << status.toStdString();
        bytes += v.toObject().value("bytes").toInteger();
    }
    EXPECT_EQ(o.value("bytes_freed").toInteger(), bytes);
    // The 300,000-byte Inner.pkg inside Bundle.pkg is an entry of its own as
    // well, yet it is chosen once, as it is freed once.
    EXPECT_EQ(o.value("bytes_freed").toInteger(), o.value("chosen_size").toInteger());
    EXPECT_EQ(Defaults(QString::fromLatin1(Defaults::kStandardDomain),
                       config / "dovrel-cleaner/com.halvik.dovrel-cleaner.json")
                  .integerForKey(QStringLiteral("TotallyCleaned")),
              o.value("bytes_freed").toInteger());
}

TEST_F(CleanCliTest, RemovesEverythingTheScanFoundAndASecondScanFindsLittle) {
    auto r = runCli(base({"--yes"}), config);
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Freed"));
    // The installed application's data that was not chosen stays.
    EXPECT_TRUE(exists(made.home / "Library/Preferences/com.example.Editor.plist"));
    EXPECT_TRUE(exists(made.applications / "Editor.app/Contents/Info.plist"));
    auto again =
        runCli({"scan", "--json", "--home", made.home.string(), "--applications", made.applications.string()},
               config);
    ASSERT_EQ(again.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(again.out).object().value("total_smart_size").toInteger(), 0);
}

// A --keep path names what the user means, however it is spelled: through a
// link to the home, with a trailing slash or doubled slashes. What it names is
// compared by identity with what the scan found.
TEST_F(CleanCliTest, KeepMatchesByIdentityHoweverThePathIsSpelled) {
    struct Case {
        const char* name;
        std::string keep;     // below the sample folder
        const char* kept;     // below the home: must stay
        const char* alsoKept; // below the home: must stay too (or null)
    };
    const Case cases[] = {
        {"home through a link", "homelink/.Trash/old-report.pdf", ".Trash/old-report.pdf", nullptr},
        {"trailing slash", "ann/.Trash/Old Folder/", ".Trash/Old Folder/b/c.bin", ".Trash/Old Folder/a.txt"},
        {"doubled slash and dot", "ann/.Trash//./old-report.pdf", ".Trash/old-report.pdf", nullptr},
        {"link, inside a location", "homelink/.Trash/Old Folder/a.txt", ".Trash/Old Folder/b/c.bin",
         ".Trash/Old Folder/a.txt"},
        {"link to the folder itself", "folderlink/", ".Trash/Old Folder/b/c.bin", nullptr},
        {"locations inside the kept folder", "homelink/.Trash/", ".Trash/old-report.pdf",
         ".Trash/.hidden-trashed"},
    };
    // Each spelling once as a one-off --keep, once through the lasting keep
    // list (added by one process, honoured by the next).
    for (const bool lasting : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (lasting ? " (keep list)" : " (--keep)"));
            TempDir t;
            const auto m = SampleHome::build(t / "sample", 0, QStringLiteral("ann"));
            std::filesystem::create_directory_symlink(m.home, t / "sample/homelink");
            std::filesystem::create_directory_symlink(m.home / ".Trash/Old Folder", t / "sample/folderlink");
            const std::string keep = (t / "sample" / c.keep).string();
            std::vector<std::string> args{
                "clean",  "--home", m.home.string(), "--applications", m.applications.string(),
                "--only", "trash",  "installs",      "--yes"};
            if (lasting)
                ASSERT_EQ(runCli({"keep", "add", keep}, t / "config").exitCode, 0);
            else
                args.insert(args.end(), {"--keep", keep});
            auto r = runCli(args, t / "config");
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_TRUE(exists(m.home / c.kept));
            if (c.alsoKept) {
                EXPECT_TRUE(exists(m.home / c.alsoKept));
            }
            EXPECT_FALSE(exists(m.home / "Downloads/Installer.dmg")) << "the rest still goes";
        }
    }
}

// A damaged keep list is set aside and said, and that clean removes nothing;
// the next one runs with the list empty. Removing a kept path lets it go.
TEST_F(CleanCliTest, ADamagedKeepListStopsOneCleanAndKeptPathsCanBeForgotten) {
    const auto store = config / "dovrel-cleaner/com.halvik.dovrel-cleaner.kept.json";
    const std::string kept = (made.home / ".Trash/old-report.pdf").string();
    ASSERT_EQ(runCli({"keep", "add", kept}, config).exitCode, 0);
    EXPECT_EQ(runCli({"keep", "list"}, config).out.trimmed().toStdString(), kept);
    std::filesystem::resize_file(store, 3); // cut short: no longer readable
    auto r = runCli(base({"--only", "trash", "--yes"}), config);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("set aside")) << r.err.toStdString();
    EXPECT_TRUE(exists(made.home / ".Trash/old-report.pdf"));
    ASSERT_EQ(runCli({"keep", "add", kept}, config).exitCode, 0);
    ASSERT_EQ(runCli(base({"--only", "trash", "--yes"}), config).exitCode, 0);
    EXPECT_TRUE(exists(made.home / ".Trash/old-report.pdf"));
    EXPECT_FALSE(exists(made.home / ".Trash/Old Folder"));
    ASSERT_EQ(runCli({"keep", "remove", kept}, config).exitCode, 0);
    EXPECT_EQ(runCli({"keep", "remove", kept}, config).exitCode, 1); // no longer there
    ASSERT_EQ(runCli(base({"--only", "trash", "--yes"}), config).exitCode, 0);
    EXPECT_FALSE(exists(made.home / ".Trash/old-report.pdf"));
}

// A --keep that names nothing the scan found is a mistake to report, not to
// ignore: nothing at all is removed.
TEST_F(CleanCliTest, KeepThatMatchesNothingIsAUsageErrorAndRemovesNothing) {
    const std::size_t before = countAll(tmp / "sample");
    const std::string typo = (made.home / ".Trash/old-reprot.pdf").string();
    const std::string notFound = (made.home / "Documents/Projects").string();
    for (const std::string& keep : {typo, notFound}) {
        auto r = runCli(base({"--keep", keep, "--yes"}), config);
        EXPECT_EQ(r.exitCode, 2) << keep;
        EXPECT_TRUE(r.err.contains(QByteArray::fromStdString(keep))) << r.err.toStdString();
        EXPECT_EQ(countAll(tmp / "sample"), before) << keep;
    }
}

// Concurrent cleans each add what they freed to "TotallyCleaned"; none is
// lost. The settings lock is held while both clean, so both reach the update
// at the same time.
TEST_F(CleanCliTest, ConcurrentCleansAddUpTheirTotals) {
    const auto folder = config / "dovrel-cleaner";
    std::filesystem::create_directories(folder);
    const auto settings = folder / "com.halvik.dovrel-cleaner.json";
    const auto lockPath = std::filesystem::path(settings.string() + ".lock");
    const int lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(lockFd, 0);
    ASSERT_EQ(::flock(lockFd, LOCK_EX), 0);

    TempDir other;
    const auto second = SampleHome::build(other / "sample", 50, QStringLiteral("bob"));
    QProcess a, b;
    startCli(a, base({"--yes", "--json"}), config);
    startCli(b,
             {"clean", "--home", second.home.string(), "--applications", second.applications.string(),
              "--yes", "--json"},
             config);
    // Both have removed everything once the last location in hand-over order is gone.
    QElapsedTimer waited;
    waited.start();
    while ((exists(made.home / ".Trash/old-report.pdf") || exists(second.home / ".Trash/old-report.pdf")) &&
           waited.elapsed() < 30000)
        QThread::msleep(20);
    QThread::msleep(300);
    ::flock(lockFd, LOCK_UN);
    ::close(lockFd);

    const CliRun ra = finishCli(a), rb = finishCli(b);
    ASSERT_EQ(ra.exitCode, 0) << ra.err.toStdString();
    ASSERT_EQ(rb.exitCode, 0) << rb.err.toStdString();
    const qint64 freed = QJsonDocument::fromJson(ra.out).object().value("bytes_freed").toInteger() +
                         QJsonDocument::fromJson(rb.out).object().value("bytes_freed").toInteger();
    EXPECT_GT(freed, 0);
    Defaults d(QString::fromLatin1(Defaults::kStandardDomain), settings);
    EXPECT_EQ(d.integerForKey(QStringLiteral("TotallyCleaned")), freed);
}

// When the total cannot be recorded the removal still stands, and the user is
// told: on stderr and as "total_recorded":false.
TEST_F(CleanCliTest, ATotalThatCannotBeRecordedIsReported) {
    std::filesystem::create_directories(config / "dovrel-cleaner/com.halvik.dovrel-cleaner.json"); // a folder
    auto r = runCli(base({"--only", "installs", "--yes", "--json"}), config);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(exists(made.home / "Downloads/Installer.dmg"));
    EXPECT_TRUE(r.err.contains("TotallyCleaned")) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_TRUE(o.value("total_recorded").isBool());
    EXPECT_FALSE(o.value("total_recorded").toBool(true));
    EXPECT_GT(o.value("bytes_freed").toInteger(), 0);
}

TEST_F(CleanCliTest, UsageErrors) {
    EXPECT_EQ(runCli(base({"--only", "bogus"}), config).exitCode, 2);
    EXPECT_EQ(runCli(base({"--only"}), config).exitCode, 2);
    EXPECT_EQ(runCli(base({"--keep", "--yes"}), config).exitCode, 2);
    EXPECT_EQ(runCli(base({"--frob"}), config).exitCode, 2);
    EXPECT_TRUE(exists(made.home / "Downloads/Installer.dmg"));
}

} // namespace
