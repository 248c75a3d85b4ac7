#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <regex>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>

using namespace dovrel;
using dovrel::test::FixtureTree;
using dovrel::test::TempDir;

namespace {

class DefaultsTest : public ::testing::Test {
protected:
    TempDir tmp;
    std::filesystem::path file = tmp / "conf/com.halvik.dovrel-cleaner.json";
    Defaults make() { return Defaults(QStringLiteral("com.halvik.dovrel-cleaner"), file); }

    // The files moved aside next to the settings file.
    std::vector<std::filesystem::path> movedAside() const {
        std::vector<std::filesystem::path> out;
        for (const auto& e : std::filesystem::directory_iterator(file.parent_path()))
            if (e.path().filename().string().rfind(file.filename().string() + ".damaged-", 0) == 0)
                out.push_back(e.path());
        return out;
    }
    static QByteArray contents(const std::filesystem::path& p) {
        QFile f(QString::fromStdString(p.string()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
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

// A damaged file reads as empty; the next write keeps its bytes in a file
// moved aside ("<file>.damaged-YYYYmmdd-HHMMSS[-n]") before writing anew.
TEST_F(DefaultsTest, DamagedFilesReadAsEmptyAndAreMovedAsideByTheNextWrite) {
    FixtureTree t(tmp.path());
    const std::string damaged[] = {
        "",
        "{",
        "[1,2]",
        "{\"format\":\"other\",\"values\":{}}",
        "{\"format\":\"dovrel-defaults/1\",\"values\":[]}",
        std::string("\xff\xfe\x00garbage", 10),
        "{\"format\":\"dovrel-defaults/1\",\"values\":{\"pad\":{\"type\":\"data\",\"value\":\"" +
            std::string(5 * 1024 * 1024, 'A') + "\"},\"n\":{\"type\":\"integer\",\"value\":\"3\"}}}",
    };
    std::size_t seen = 0;
    for (const std::string& text : damaged) {
        t.fileWith("conf/com.halvik.dovrel-cleaner.json", text);
        Defaults d = make();
        EXPECT_EQ(d.integerForKey("n"), 0) << text.substr(0, 40);
        EXPECT_TRUE(d.setInteger("appLaunchCount", 1));
        EXPECT_EQ(make().integerForKey("appLaunchCount"), 1);
        // Several in one second get distinct names; each keeps its bytes.
        const auto aside = movedAside();
        ASSERT_EQ(aside.size(), ++seen) << text.substr(0, 40);
        bool kept = false;
        for (const auto& p : aside)
            kept |= contents(p) == QByteArray::fromStdString(text);
        EXPECT_TRUE(kept) << text.substr(0, 40);
    }
    for (const auto& p : movedAside())
        EXPECT_TRUE(
            std::regex_match(p.filename().string(),
                             std::regex(R"(com\.halvik\.dovrel-cleaner\.json\.damaged-\d{8}-\d{6}(-\d+)?)")))
            << p;
}

// Neither a missing file nor a sound one (even with one unreadable entry) is moved aside.
TEST_F(DefaultsTest, AbsentOrSoundFilesAreNotMovedAside) {
    FixtureTree t(tmp.path());
    Defaults d = make();
    EXPECT_TRUE(d.setInteger("a", 1));
    t.fileWith("conf/com.halvik.dovrel-cleaner.json",
               "{\"format\":\"dovrel-defaults/1\",\"values\":{\"a\":{\"type\":\"integer\",\"value\":\"zz\"},"
               "\"home\":{\"type\":\"data\",\"value\":\"AAE=\"}}}");
    EXPECT_TRUE(make().setInteger("b", 2));
    EXPECT_TRUE(movedAside().empty());
    EXPECT_EQ(make().dataForKey("home"), QByteArray("\x00\x01", 2));
}

// Adding to an integer stored in a wrong shape does not overwrite it
// silently: the file is set aside first (the handler is told its name once),
// and the new file keeps every other value.
TEST_F(DefaultsTest, AddingToAWrongShapedIntegerSetsTheFileAsideAndTells) {
    FixtureTree t(tmp.path());
    std::vector<std::filesystem::path> told;
    Defaults::setSetAsideHandler([&](const std::filesystem::path& p) { told.push_back(p); });
    const char* shapes[] = {"{\"type\":\"integer\",\"value\":\"abc\"}", "\"abc\"",
                            "{\"type\":\"data\",\"value\":\"AAE=\"}"};
    std::size_t n = 0;
    for (const char* shape : shapes) {
        const std::string text =
            std::string("{\"format\":\"dovrel-defaults/1\",\"values\":{\"TotallyCleaned\":") + shape +
            ",\"home\":{\"type\":\"data\",\"value\":\"AAE=\"}}}";
        t.fileWith("conf/com.halvik.dovrel-cleaner.json", text);
        EXPECT_EQ(make().addToInteger("TotallyCleaned", 7), 7) << shape;
        ASSERT_EQ(told.size(), ++n) << shape;
        EXPECT_EQ(contents(told.back()), QByteArray::fromStdString(text)) << shape;
        EXPECT_EQ(make().dataForKey("home"), QByteArray("\x00\x01", 2)) << shape;
    }
    // A sound integer or bool is added to, and nothing is set aside.
    EXPECT_EQ(make().addToInteger("TotallyCleaned", 3), 10);
    EXPECT_EQ(told.size(), n);
    Defaults::setSetAsideHandler({});
}

// A settings folder that cannot be made is reported by its real cause. As
// root the check runs in a child that has given up root.
TEST_F(DefaultsTest, AFolderThatCannotBeMadeNamesTheCause) {
    namespace fs = std::filesystem;
    fs::create_directories(tmp / "locked");
    fs::permissions(tmp.path(), fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    fs::permissions(tmp / "locked", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
    auto check = [&] {
        Defaults d(QStringLiteral("x"), tmp / "locked/conf/x.json");
        return !d.setBool("a", true) && d.lastWriteError().contains(QStringLiteral("Permission denied")) &&
               d.lastWriteError().contains(QStringLiteral("settings folder"));
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(check());
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && check() ? 0 : 1);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    fs::permissions(tmp / "locked", fs::perms::owner_all);
}

// A writer that cannot get the lock in time fails and writes nothing, so a
// peer holding the lock loses none of its keys.
TEST_F(DefaultsTest, AWriteWithoutTheLockFailsAndLosesNothing) {
    Defaults d = make();
    ASSERT_TRUE(d.setInteger("before", 1));
    d.setLockWait(std::chrono::milliseconds(300));

    std::atomic<bool> locked{false}, writerDone{false};
    std::thread peer([&] {
        // Another writer holds the lock until ours has given up: it read the
        // file when it got the lock and writes its change just before letting go.
        const auto lockPath = std::filesystem::path(file.string() + ".lock");
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ::flock(fd, LOCK_EX);
        QJsonObject root = QJsonDocument::fromJson(contents(file)).object();
        locked = true;
        while (!writerDone)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        QJsonObject values = root.value("values").toObject();
        values.insert("peer", QJsonObject{{"type", "bool"}, {"value", true}});
        root.insert("values", values);
        const auto tmpFile = std::filesystem::path(file.string() + ".peer");
        QFile out(QString::fromStdString(tmpFile.string()));
        out.open(QIODevice::WriteOnly);
        out.write(QJsonDocument(root).toJson());
        out.close();
        std::filesystem::rename(tmpFile, file);
        ::flock(fd, LOCK_UN);
        ::close(fd);
    });
    while (!locked)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const bool wrote = d.setInteger("mine", 2);
    const auto added = d.addToInteger("count", 5);
    writerDone = true;
    peer.join();
    EXPECT_FALSE(wrote);
    EXPECT_FALSE(added.has_value());
    EXPECT_TRUE(d.lastWriteError().contains("locked")) << d.lastWriteError().toStdString();
    Defaults check = make();
    EXPECT_EQ(check.integerForKey("before"), 1);
    EXPECT_FALSE(check.hasKey("mine"));
    EXPECT_FALSE(check.hasKey("count"));
    EXPECT_TRUE(check.boolForKey("peer"));
    // Once the lock is free again writes go through.
    EXPECT_TRUE(d.setInteger("mine", 2));
    EXPECT_EQ(make().integerForKey("mine"), 2);
    EXPECT_TRUE(make().boolForKey("peer"));
}

// Adders in several processes never lose an update.
TEST_F(DefaultsTest, ConcurrentAddersInTwoProcessesLoseNothing) {
    constexpr int kAdds = 40;
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        Defaults d = make();
        for (int i = 0; i < kAdds; ++i)
            d.addToInteger(QStringLiteral("TotallyCleaned"), 3);
        ::_exit(0);
    }
    Defaults d = make();
    for (int i = 0; i < kAdds; ++i)
        d.addToInteger(QStringLiteral("TotallyCleaned"), 5);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_EQ(make().integerForKey(QStringLiteral("TotallyCleaned")), kAdds * 8);
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
