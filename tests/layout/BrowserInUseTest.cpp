#include "layout/BrowserInUse.h"
#include "fs/Remover.h"
#include "layout/LinuxBrowsers.h"
#include "layout/LinuxHomeFixture.h"
#include "layout/TrashPairRemoval.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dovrel;
using namespace dovrel::test;

namespace {

namespace fs = std::filesystem;

// A process number that was just used and is gone.
pid_t deadPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

std::string hostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

class BrowserInUseTest : public LinuxHomeFixture {
protected:
    const std::string live = std::to_string(::getpid());
    const std::string dead = std::to_string(deadPid());

    void link(const Location& at, const std::string& target) {
        fs::create_directories(at.parent_path());
        fs::create_symlink(target, at);
    }
};

TEST_F(BrowserInUseTest, LocksNameTheRunningBrowserAndStaleOnesNothing) {
    struct Case {
        const char* folder;
        const char* lock;
        std::string target;
        const char* holder; // null: not held
    };
    const std::string host = hostName();
    const Case cases[] = {
        {".config/chromium", "SingletonLock", host + "-" + live, "Chromium"},
        {".config/google-chrome", "SingletonLock", host + "-" + live, "Google Chrome"},
        {".config/chromium", "SingletonLock", host + "-" + dead, nullptr},
        // Another computer's lock: the profile is shared and the browser itself would not start.
        {".config/chromium", "SingletonLock", "not-" + host + ".example-" + dead, "Chromium"},
        {".config/chromium", "SingletonLock", "no process number", nullptr},
        {".mozilla/firefox/a.default", "lock", "127.0.0.1:+" + live, "Firefox"},
        {".mozilla/firefox/a.default", "lock", "127.0.1.1:" + live, "Firefox"},
        {".mozilla/firefox/a.default", "lock", "127.0.0.1:+" + dead, nullptr},
        {".mozilla/firefox/a.default", "lock", "192.0.2.7:+" + dead, "Firefox"},
        {".mozilla/firefox/a.default", "lock", "127.0.0.1:+", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + " -> " + c.target);
        fs::remove_all(home);
        file(std::string(c.folder) + "/storage/x");
        link(home / c.folder / c.lock, c.target);
        const auto holder = BrowserInUse::holder(home / c.folder);
        EXPECT_EQ(holder.value_or("-"), c.holder ? c.holder : "-");
        // Anything inside the profile is held with it; the home is never asked.
        EXPECT_EQ(BrowserInUse::holderOf(home, home / c.folder / "storage/x").value_or("-"),
                  c.holder ? c.holder : "-");
        EXPECT_FALSE(BrowserInUse::holderOf(home / c.folder, home / c.folder));
        EXPECT_FALSE(BrowserInUse::holderOf(home, home / c.folder / "storage/gone"));
    }
}

TEST_F(BrowserInUseTest, AHeldParentlockHoldsTheProfile) {
    const Location parentlock = file(".mozilla/firefox/b.default/.parentlock", 0);
    const Location profile = parentlock.parent_path();
    EXPECT_FALSE(BrowserInUse::holder(profile));

    const int fd = ::open(parentlock.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    EXPECT_EQ(BrowserInUse::holder(profile).value_or("-"), "Firefox");
    // Asking twice: the check's own descriptor must not have let the lock go.
    EXPECT_EQ(BrowserInUse::holder(profile).value_or("-"), "Firefox");
    ::close(fd);
    EXPECT_FALSE(BrowserInUse::holder(profile));
}

// The scan marks the source; the removal reads the locks again when it runs,
// whatever the scan saw, and leaves the caches of running browsers to go.
TEST_F(BrowserInUseTest, SiteDataOfARunningBrowserIsListedMarkedAndRefusedAtRemoval) {
    const Location chromium = home / ".config/chromium";
    file(".config/chromium/Default/Local Storage/leveldb/1.ldb", 100);
    file(".mozilla/firefox/c.default/storage/default/x", 100);
    const Location cache = file(".cache/chromium/Default/Cache/data_1", 100).parent_path();
    link(chromium / "SingletonLock", hostName() + "-" + live);
    link(home / ".mozilla/firefox/c.default/lock", "127.0.0.1:+" + dead);

    const LinuxBrowsers::Sources found = LinuxBrowsers::find(home, home / ".config", sizes);
    ASSERT_TRUE(found.chrome && found.mozilla);
    EXPECT_EQ(found.chrome->in_use_by, std::vector<QString>{QStringLiteral("Chromium")});
    EXPECT_GT(found.chrome->size, 0);
    EXPECT_TRUE(found.mozilla->in_use_by.empty());

    const Location storage = chromium / "Default/Local Storage";
    const Location firefoxStorage = home / ".mozilla/firefox/c.default/storage";
    for (bool paired : {true, false}) {
        SCOPED_TRACE(paired ? "trash entries paired" : "plain removal");
        Remover remover(home);
        const std::optional<Location> trash =
            paired ? std::optional<Location>(home / ".local/share/Trash") : std::nullopt;
        RemovalReport report = TrashPairRemoval::removeFor(
            remover, home, trash,
            {{storage, {}}, {firefoxStorage, {}}, {cache, {}}, {chromium / "Default/Thumbnails", {}}});
        ASSERT_EQ(report.outcomes.size(), 4u);
        // Not there at all: gone already, not refused.
        EXPECT_EQ(report.outcomes[3].status, RemovalOutcome::Status::AlreadyGone);
        EXPECT_EQ(report.outcomes[0].status, RemovalOutcome::Status::Refused);
        EXPECT_EQ(report.outcomes[0].reason, "Close Chromium to clean its site data");
        EXPECT_TRUE(fs::exists(storage / "leveldb/1.ldb"));
        EXPECT_TRUE(report.outcomes[1].done());
        EXPECT_TRUE(report.outcomes[2].done());
        EXPECT_FALSE(fs::exists(firefoxStorage));
        EXPECT_FALSE(fs::exists(cache));
        file(".mozilla/firefox/c.default/storage/default/x", 100);
        file(".cache/chromium/Default/Cache/data_1", 100);
    }

    // Chromium quit after the scan: its data goes.
    fs::remove(chromium / "SingletonLock");
    Remover remover(home);
    const RemovalReport report = TrashPairRemoval::removeFor(remover, home, std::nullopt, {{storage, {}}});
    EXPECT_TRUE(report.allDone());
    EXPECT_FALSE(fs::exists(storage));
}

} // namespace
