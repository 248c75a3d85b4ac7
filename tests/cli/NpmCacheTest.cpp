// The real npm fills its cache on a throw-away home; the scan lists it under
// npm's name, clean removes it and leaves the rest of ~/.npm, and npm finds
// its cache sound afterwards.

#include "cli/CliProcess.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <filesystem>

using namespace dovrel;
using namespace dovrel::test;

namespace {

namespace fs = std::filesystem;

class NpmCacheTest : public ::testing::Test {
protected:
    TempDir tmp;
    fs::path home = tmp / "home";
    fs::path config = tmp / "config";

    CliRun npm(const QStringList& args) {
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
        env.insert(QStringLiteral("npm_config_update_notifier"), QStringLiteral("false"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("npm"), args);
        return finishCli(p);
    }
};

TEST_F(NpmCacheTest, TheRealCacheIsListedUnderNpmsNameAndRemoved) {
    fs::create_directories(home);
    if (QStandardPaths::findExecutable(QStringLiteral("npm")).isEmpty())
        GTEST_SKIP() << "npm is not installed";
    const CliRun add =
        npm({QStringLiteral("cache"), QStringLiteral("add"), QStringLiteral("is-number@7.0.0")});
    if (add.exitCode != 0)
        GTEST_SKIP() << "the npm registry cannot be reached: " << add.err.right(500).toStdString();
    const fs::path cache = home / ".npm/_cacache";
    ASSERT_TRUE(fs::is_directory(cache));

    const std::vector<std::string> where{"--home", home.string(), "--layout", "linux"};
    std::vector<std::string> args{"scan", "--json"};
    args.insert(args.end(), where.begin(), where.end());
    const CliRun scan = runCli(args, config);
    ASSERT_EQ(scan.exitCode, 0) << scan.err.toStdString();
    QJsonObject listed;
    for (const auto& c : QJsonDocument::fromJson(scan.out).object().value("categories").toArray())
        if (c.toObject().value("type").toString() == "caches")
            for (const auto& i : c.toObject().value("items").toArray())
                if (i.toObject().value("url").toString().toStdString() == cache.string())
                    listed = i.toObject();
    EXPECT_EQ(listed.value("label").toString(), "npm");
    EXPECT_GT(listed.value("size").toInteger(), 0);

    args = {"clean", "--yes", "--only", "caches"};
    args.insert(args.end(), where.begin(), where.end());
    const CliRun clean = runCli(args, config);
    ASSERT_EQ(clean.exitCode, 0) << clean.out.toStdString() << clean.err.toStdString();
    EXPECT_FALSE(fs::exists(cache));
    EXPECT_TRUE(fs::is_directory(home / ".npm/_logs"));
    const CliRun verify = npm({QStringLiteral("cache"), QStringLiteral("verify")});
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
}

} // namespace
