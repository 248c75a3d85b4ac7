#include "cli/CliProcess.h"
#include "cli/SampleHome.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace dovrel;
using namespace dovrel::test;

namespace {

class ScanCliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tmp = new TempDir;
        made = SampleHome::build(tmp->path() / "sample", 300, QStringLiteral("ann"));
        config = tmp->path() / "config";
        json = runCli({"scan", "--json", "--home", made.home.string() + "/", "--applications",
                       made.applications.string()},
                      config);
    }
    static void TearDownTestSuite() {
        delete tmp;
        tmp = nullptr;
    }
    static QJsonObject parsed() {
        QJsonParseError err{};
        QJsonDocument d = QJsonDocument::fromJson(json.out, &err);
        EXPECT_EQ(err.error, QJsonParseError::NoError) << err.errorString().toStdString();
        return d.object();
    }

    static TempDir* tmp;
    static SampleHome::Result made;
    static std::filesystem::path config;
    static CliRun json;
};

TempDir* ScanCliTest::tmp = nullptr;
SampleHome::Result ScanCliTest::made;
std::filesystem::path ScanCliTest::config;
CliRun ScanCliTest::json;

TEST_F(ScanCliTest, JsonHasTheContractShapeAndOrders) {
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject root = parsed();
    EXPECT_EQ(root.value("format").toString(), "dovrel-scan/1");
    EXPECT_EQ(root.value("home").toString().toStdString(), made.home.string()); // trailing "/" dropped
    EXPECT_EQ(root.value("applications").toString().toStdString(), made.applications.string());

    const QJsonArray categories = root.value("categories").toArray();
    const char* tags[] = {"caches", "logs", "remainders", "browsers", "mails", "installs", "trash"};
    ASSERT_EQ(categories.size(), 7);
    qint64 sum = 0;
    const std::map<QString, std::set<QString>> keys = {
        {"caches", {"label", "url", "size"}},
        {"logs", {"name", "url", "size"}},
        {"installs", {"name", "url", "size"}},
        {"trash", {"name", "url", "size"}},
        {"remainders", {"label", "bundle", "files", "size"}},
        {"browsers", {"type", "group", "files", "size"}},
        {"mails", {"type", "group", "files", "size"}},
    };
    for (int i = 0; i < 7; ++i) {
        const QJsonObject c = categories[i].toObject();
        EXPECT_EQ(c.value("type").toString(), tags[i]);
        EXPECT_FALSE(c.value("label").toString().isEmpty());
        const QJsonArray items = c.value("items").toArray();
        EXPECT_FALSE(items.isEmpty()) << tags[i] << ": the sample home populates every category";
        qint64 itemSum = 0;
        std::set<QString> urls;
        for (const auto& v : items)
            urls.insert(v.toObject().value("url").toString());
        for (const auto& v : items) {
            const QJsonObject item = v.toObject();
            std::set<QString> have;
            for (const QString& k : item.keys())
                have.insert(k);
            EXPECT_EQ(have, keys.at(tags[i]));
            // An entry inside another one (Inner.pkg in Bundle.pkg) is in the
            // category's size once, with the entry holding it.
            const QString url = item.value("url").toString();
            const bool inside = std::any_of(urls.begin(), urls.end(),
                                            [&](const QString& u) { return url.startsWith(u + "/"); });
            if (!inside)
                itemSum += item.value("size").toInteger();
        }
        if (QString(tags[i]) != "remainders") { // leftover groups name several locations
            EXPECT_EQ(itemSum, c.value("size").toInteger()) << tags[i];
        }
        sum += c.value("size").toInteger();
    }
    EXPECT_EQ(root.value("total_smart_size").toInteger(), sum);

    // Logs and installation files by case-insensitive name; alpha.log before Beta.log.
    QStringList logs;
    for (const auto& v : categories[1].toObject().value("items").toArray())
        logs << v.toObject().value("name").toString();
    EXPECT_LT(logs.indexOf("alpha.log"), logs.indexOf("Beta.log"));
}

TEST_F(ScanCliTest, PathsAreAbsoluteNormalisedAndNamesLossless) {
    ASSERT_EQ(json.exitCode, 0);
    const std::string text = json.out.toStdString();
    EXPECT_EQ(text.find("//"), std::string::npos);
    EXPECT_EQ(text.find("/\""), std::string::npos);
    // The byte 0xE9 of "caf\xe9.log" is written as a lone-surrogate escape.
    EXPECT_NE(text.find("caf\\udce9.log"), std::string::npos);
    // Python's surrogateescape gives back the exact bytes of the file on disk.
    QProcess py;
    py.start("python3",
             {"-c", "import json,sys,os\n"
                    "d=json.load(sys.stdin)\n"
                    "n=[i['url'] for c in d['categories'] if c['type']=='logs' for i in c['items']]\n"
                    "b=[os.fsencode(u) for u in n]\n"
                    "sys.exit(0 if all(os.path.lexists(x) for x in b) and any(x.endswith(b'caf\\xe9.log') "
                    "for x in b) else 3)\n"});
    ASSERT_TRUE(py.waitForStarted(10000));
    py.write(json.out);
    py.closeWriteChannel();
    ASSERT_TRUE(py.waitForFinished(20000));
    EXPECT_EQ(py.exitCode(), 0) << py.readAllStandardError().toStdString();
}

TEST_F(ScanCliTest, TwoRunsAndThreadCountsGiveTheSameJson) {
    for (const char* threads : {"1", "4"}) {
        auto again = runCli({"scan", "--json", "--threads", threads, "--home", made.home.string(),
                             "--applications", made.applications.string()},
                            config);
        ASSERT_EQ(again.exitCode, 0);
        EXPECT_EQ(again.out, json.out) << threads << " threads";
    }
}

TEST_F(ScanCliTest, HumanOutlineEndsWithTheTotal) {
    auto r = runCli(
        {"scan", "--entries", "--home", made.home.string(), "--applications", made.applications.string()},
        config);
    ASSERT_EQ(r.exitCode, 0);
    const QString out = QString::fromUtf8(r.out);
    for (const char* label : {"Applications caches", "Applications logs", "Applications remainders",
                              "Browsers", "Mail attachments", "Installation files", "Trash Bin"})
        EXPECT_TRUE(out.contains(label)) << label;
    EXPECT_TRUE(out.trimmed().split('\n').last().startsWith("Total"));
    EXPECT_TRUE(out.contains("Installer.dmg"));
}

TEST_F(ScanCliTest, StoredGrantsAreUsedAndMissingOrGoneOnesAreUsageErrors) {
    TempDir conf;
    auto none = runCli({"scan"}, conf.path());
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_EQ(none.err.count('\n'), 1);
    EXPECT_TRUE(none.err.contains("--home"));

    Defaults d(QString::fromLatin1(Defaults::kStandardDomain),
               conf.path() / "dovrel-cleaner" / (std::string(Defaults::kStandardDomain) + ".json"));
    d.setData(Grant::kHomeKey, *Grant::create(made.home));
    d.setData(Grant::kApplicationsKey, *Grant::create(made.applications));
    auto granted = runCli({"scan", "--json"}, conf.path());
    ASSERT_EQ(granted.exitCode, 0) << granted.err.toStdString();
    EXPECT_EQ(granted.out, json.out);

    const auto gone = conf.path() / "gone-home";
    std::filesystem::create_directories(gone);
    d.setData(Grant::kHomeKey, *Grant::create(gone));
    std::filesystem::remove(gone);
    auto stale = runCli({"scan"}, conf.path());
    EXPECT_EQ(stale.exitCode, 2);
    EXPECT_TRUE(stale.err.contains("gone"));
}

TEST_F(ScanCliTest, UsageErrors) {
    EXPECT_EQ(runCli({}, config).exitCode, 2);
    EXPECT_EQ(runCli({"frobnicate"}, config).exitCode, 2);
    EXPECT_EQ(runCli({"scan", "--home"}, config).exitCode, 2);
    EXPECT_EQ(runCli({"scan", "--home", (tmp->path() / "missing").string()}, config).exitCode, 2);
    EXPECT_EQ(runCli({"scan", "--home", made.home.string(), "--bogus"}, config).exitCode, 2);
    EXPECT_EQ(runCli({"scan", "--home", made.home.string(), "--threads", "0"}, config).exitCode, 2);
    auto help = runCli({"--help"}, config);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("sample-home"));
    EXPECT_EQ(runCli({"--version"}, config).exitCode, 0);
}

} // namespace
