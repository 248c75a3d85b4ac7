#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dovrel;
using dovrel::test::FixtureTree;
using dovrel::test::TempDir;

namespace {

class DefaultsTest : public ::testing::Test {
protected:
    TempDir tmp;
    std::filesystem::path file = tmp / "conf/com.halvik.dovrel-cleaner.json";
    Defaults make() { return Defaults(QStringLiteral("com.halvik.dovrel-cleaner"), file); }
};

TEST_F(DefaultsTest, AbsentKeysReadAsPlatformDefaults) {
    Defaults d = make();
    EXPECT_FALSE(d.boolForKey("Scheduler"));
    EXPECT_EQ(d.integerForKey("appLaunchCount"), 0);
    EXPECT_FALSE(d.dataForKey("home").has_value());
    EXPECT_FALSE(d.dateForKey("Date").has_value());
}

TEST_F(DefaultsTest, ValuesSurviveAFreshReaderExactly) {
    {
        Defaults d = make();
        ASSERT_TRUE(d.setBool("Scheduler", true));
        ASSERT_TRUE(d.setInteger("TotallyCleaned", 9007199254740993LL)); // not representable as a double
        ASSERT_TRUE(d.setInteger("Negative", -5));
        ASSERT_TRUE(d.setData("home", QByteArray("\x00\xff\x01", 3)));
        ASSERT_TRUE(d.setDate("Date", QDateTime::fromMSecsSinceEpoch(1765224331123LL, Qt::UTC)));
    }
    Defaults d = make();
    EXPECT_TRUE(d.boolForKey("Scheduler"));
    EXPECT_EQ(d.integerForKey("TotallyCleaned"), 9007199254740993LL);
    EXPECT_EQ(d.integerForKey("Negative"), -5);
    EXPECT_EQ(d.dataForKey("home").value(), QByteArray("\x00\xff\x01", 3));
    EXPECT_EQ(d.dateForKey("Date")->toMSecsSinceEpoch(), 1765224331123LL);
    EXPECT_TRUE(d.removeObjectForKey("Scheduler"));
    EXPECT_FALSE(make().boolForKey("Scheduler"));
}

TEST_F(DefaultsTest, WrongTypeReadsAsDefault) {
    Defaults d = make();
    d.setData("Scheduler", "yes");
    EXPECT_FALSE(d.boolForKey("Scheduler"));
    d.setBool("home", true);
    EXPECT_FALSE(d.dataForKey("home").has_value());
    EXPECT_FALSE(d.dateForKey("home").has_value());
}

TEST_F(DefaultsTest, DamagedFilesReadAsEmptyAndAreRepairedByTheNextWrite) {
    FixtureTree t(tmp.path());
    const char* damaged[] = {
        "",
        "{",
        "[1,2]",
        "{\"format\":\"other\",\"values\":{}}",
        "{\"format\":\"dovrel-defaults/1\",\"values\":{\"a\":{\"type\":\"integer\",\"value\":\"zz\"}}}",
        "\xff\xfe\x00garbage"};
    for (const char* text : damaged) {
        t.fileWith("conf/com.halvik.dovrel-cleaner.json", text);
        Defaults d = make();
        EXPECT_EQ(d.integerForKey("a"), 0) << text;
        EXPECT_TRUE(d.setInteger("appLaunchCount", 1));
        EXPECT_EQ(make().integerForKey("appLaunchCount"), 1);
    }
}

TEST_F(DefaultsTest, AFifoOrFolderAtTheSettingsPathNeitherBlocksNorCrashes) {
    FixtureTree t(tmp.path());
    t.fifo("conf/com.halvik.dovrel-cleaner.json");
    Defaults d = make();
    EXPECT_FALSE(d.boolForKey("Scheduler"));
    std::filesystem::remove(file);
    t.folder("conf/com.halvik.dovrel-cleaner.json");
    Defaults e = make();
    EXPECT_EQ(e.integerForKey("x"), 0);
    EXPECT_FALSE(e.setInteger("x", 1)); // cannot replace a folder: reported, not thrown
}

TEST_F(DefaultsTest, OversizedFileReadsAsEmpty) {
    FixtureTree t(tmp.path());
    std::string big =
        "{\"format\":\"dovrel-defaults/1\",\"values\":{\"pad\":{\"type\":\"data\",\"value\":\"" +
        std::string(5 * 1024 * 1024, 'A') + "\"},\"n\":{\"type\":\"integer\",\"value\":\"3\"}}}";
    t.fileWith("conf/com.halvik.dovrel-cleaner.json", big);
    EXPECT_EQ(make().integerForKey("n"), 0);
}

TEST_F(DefaultsTest, TwoProcessesWritingDifferentKeysLoseNothing) {
    constexpr int kWrites = 40;
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        Defaults d = make();
        for (int i = 0; i < kWrites; ++i)
            d.setInteger(QStringLiteral("child%1").arg(i), i);
        ::_exit(0);
    }
    Defaults d = make();
    for (int i = 0; i < kWrites; ++i)
        d.setInteger(QStringLiteral("parent%1").arg(i), i);
    int status = 0;
    ::waitpid(pid, &status, 0);
    Defaults check = make();
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_TRUE(check.hasKey(QStringLiteral("child%1").arg(i))) << i;
        EXPECT_TRUE(check.hasKey(QStringLiteral("parent%1").arg(i))) << i;
    }
}

TEST_F(DefaultsTest, SeesAnotherWritersChangeWithoutSynchronize) {
    Defaults reader = make();
    EXPECT_FALSE(reader.boolForKey("Scheduler"));
    Defaults writer = make();
    writer.setBool("Scheduler", true);
    EXPECT_TRUE(reader.boolForKey("Scheduler"));
}

TEST_F(DefaultsTest, HonoursXdgConfigHome) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(tmp.path().string()));
    Defaults d(QStringLiteral("some.domain"));
    EXPECT_EQ(d.file(), tmp / "dovrel-cleaner/some.domain.json");
    qunsetenv("XDG_CONFIG_HOME");
}

class GrantTest : public ::testing::Test {
protected:
    TempDir tmp;
    FixtureTree tree{tmp.path()};
};

TEST_F(GrantTest, ResolvesWhileTheFolderExists) {
    auto home = tree.folder(std::string("ann\xe9"));
    auto data = Grant::create(home);
    ASSERT_TRUE(data);
    auto r = Grant::resolve(data);
    EXPECT_EQ(r.status, Grant::Status::Resolved);
    EXPECT_EQ(r.folder->native(), home.native()); // bytes kept exactly
}

TEST_F(GrantTest, StaleWhenTheFolderWasReplacedAndFailsWhenGone) {
    auto home = tree.folder("ann");
    auto data = Grant::create(home);
    std::filesystem::rename(home, tmp / "moved");
    EXPECT_FALSE(Grant::resolve(data).resolved());
    EXPECT_EQ(Grant::resolve(data).status, Grant::Status::Unresolvable);
    tree.folder("ann");
    auto r = Grant::resolve(data);
    EXPECT_EQ(r.status, Grant::Status::Stale);
    EXPECT_TRUE(r.resolved());
    std::filesystem::remove(home);
    tree.file("ann", 1);
    EXPECT_FALSE(Grant::resolve(data).resolved());
}

TEST_F(GrantTest, RefusesNonFoldersAndDamagedData) {
    EXPECT_FALSE(Grant::create(tree.file("plain", 1)));
    EXPECT_FALSE(Grant::create(tmp / "missing"));
    EXPECT_EQ(Grant::resolve(std::nullopt).status, Grant::Status::NoGrant);
    EXPECT_EQ(Grant::resolve(QByteArray("junk")).status, Grant::Status::Unresolvable);
    EXPECT_EQ(Grant::resolve(QByteArray("{\"format\":\"dovrel-grant/1\",\"path\":\"Lw==\"}")).status,
              Grant::Status::Unresolvable);
}

TEST_F(GrantTest, StoredThroughDefaults) {
    Defaults d(QStringLiteral("t"), tmp / "t.json");
    auto home = tree.folder("home/ann");
    d.setData(Grant::kHomeKey, *Grant::create(home));
    EXPECT_EQ(Grant::resolve(d, Grant::kHomeKey).folder, home);
    EXPECT_FALSE(Grant::resolve(d, Grant::kApplicationsKey).resolved());
}

} // namespace
