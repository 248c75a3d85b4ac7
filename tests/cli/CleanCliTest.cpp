#include "cli/CliProcess.h"
#include "cli/SampleHome.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sys/stat.h>

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
    // Freed is what went. Folder-style packages are chosen at their full size;
    // the 300,000-byte Inner.pkg inside Bundle.pkg is an entry of its own as
    // well, so it is chosen twice but freed once.
    EXPECT_EQ(o.value("bytes_freed").toInteger(), o.value("chosen_size").toInteger() - 300000);
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

TEST_F(CleanCliTest, UsageErrors) {
    EXPECT_EQ(runCli(base({"--only", "bogus"}), config).exitCode, 2);
    EXPECT_EQ(runCli(base({"--only"}), config).exitCode, 2);
    EXPECT_EQ(runCli(base({"--keep", "--yes"}), config).exitCode, 2);
    EXPECT_EQ(runCli(base({"--frob"}), config).exitCode, 2);
    EXPECT_TRUE(exists(made.home / "Downloads/Installer.dmg"));
}

} // namespace
