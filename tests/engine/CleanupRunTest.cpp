#include "engine/CleanupRun.h"

#include "engine/Cleaner.h"
#include "engine/CleaningMode.h"
#include "platform/Defaults.h"
#include "support/HeldRemovalSyscalls.h"

#include "fs/RemoverFixture.h"

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <QThread>

namespace dovrel {
namespace {

using Status = RemovalOutcome::Status;

class CleanupRunTest : public test::RemoverFixture {
protected:
    CleanupRunTest() { settings.setInteger(QStringLiteral("TotallyCleaned"), 500); }
    ~CleanupRunTest() override {
        calls.release();
        EXPECT_TRUE(run.waitUntilIdle(std::chrono::seconds(30)));
        QCoreApplication::processEvents();
    }

    std::int64_t total() {
        settings.synchronize();
        return settings.integerForKey(QStringLiteral("TotallyCleaned"));
    }
    static std::vector<Status> statuses(const RemovalReport& report) {
        std::vector<Status> out;
        for (const auto& o : report.outcomes)
            out.push_back(o.status);
        return out;
    }

    Defaults settings{QStringLiteral("cleanup-run-test"), tmp / "settings.json"};
    CleanupRun run{settings};
    test::HeldRemovalSyscalls calls{run};
};

TEST_F(CleanupRunTest, RemovesTheHandOverWithTheScannedIdentitiesAndAddsWhatWasFreedOnce) {
    Cleaner engine(home);
    const auto cache = tree.folder("home/Library/Caches/com.example.app");
    tree.file("home/Library/Caches/com.example.app/a", 600'000);
    tree.file("home/Library/Caches/com.example.app/b/c", 400'000);
    const auto trashed = tree.file("home/.Trash/old.mov", 300'000);
    const auto gone = tree.file("home/Library/Logs/gone.log", 70);
    const auto swapped = tree.file("home/Library/Logs/swapped.log", 80);
    const auto stuck = tree.folder("home/Library/Logs/stuck");
    tree.file("home/Library/Logs/stuck/stuck.bin", 90);
    for (const auto& p : {cache, trashed, gone, swapped, stuck})
        engine.scanned_identities[p.native()] = identityOf(p);
    // Since the scan: one location vanished, another was replaced by a new file.
    std::filesystem::remove(gone);
    std::filesystem::rename(swapped, tmp / "aside");
    tree.file("home/Library/Logs/swapped.log", 80);
    calls.failName("stuck.bin", EACCES);
    engine.files = {cache, trashed, gone, swapped, stuck};
    engine.wasCleaned = 1'300'240;

    const CleanupRun::Id id = run.start(engine);
    engine.files.clear(); // taken at the start
    EXPECT_EQ(run.lastStarted(), id);
    std::vector<std::shared_ptr<const RemovalReport>> delivered;
    bool onMain = false;
    QObject context;
    run.whenFinished(id, &context, [&](const RemovalReport& r) {
        delivered.push_back(std::make_shared<RemovalReport>(r));
        onMain = QThread::currentThread() == QCoreApplication::instance()->thread();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delivered.empty(); }, 30000));
    QTest::qWait(20);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_TRUE(onMain);
    const RemovalReport& report = *delivered.front();
    EXPECT_EQ(statuses(report), (std::vector<Status>{Status::Removed, Status::Removed, Status::AlreadyGone,
                                                     Status::Changed, Status::Failed}));
    EXPECT_EQ(report.bytesFreed, 1'300'000);
    // Gone for good (not moved anywhere), the rest untouched.
    EXPECT_FALSE(exists(cache));
    EXPECT_FALSE(exists(trashed));
    EXPECT_TRUE(std::filesystem::is_empty(home / ".Trash"));
    EXPECT_EQ(logicalSize(swapped), 80);
    EXPECT_EQ(logicalSize(tmp / "aside"), 80);
    EXPECT_EQ(logicalSize(stuck), 90);
    EXPECT_TRUE(victimIntact());
    // What was freed, not what was chosen; once.
    EXPECT_EQ(total(), 500 + 1'300'000);
    EXPECT_EQ(run.report(id)->bytesFreed, 1'300'000);
    // Registering after the end runs at once.
    int late = 0;
    run.whenFinished(id, nullptr, [&](const RemovalReport& r) { late += r.bytesFreed == 1'300'000; });
    EXPECT_EQ(late, 1);
}

TEST_F(CleanupRunTest, ASecondCleanupWaitsForTheFirstAndIdleWaitsForBoth) {
    const auto one = tree.file("home/Library/Caches/one.bin", 1'000'000);
    const auto three = tree.file("home/Library/Caches/three.bin", 3'000'000);
    calls.hold();
    const CleanupRun::Id first = run.start(home, {{one, identityOf(one)}});
    ASSERT_TRUE(calls.waitUntilHeld());
    const CleanupRun::Id second = run.start(home, {{three, identityOf(three)}});
    EXPECT_EQ(second, first + 1);

    int idle = 0, firstDone = 0, dropped = 0;
    QObject context;
    auto doomed = std::make_unique<QObject>();
    run.whenIdle(&context, [&] {
        ++idle;
        EXPECT_FALSE(run.isRunning());
        EXPECT_EQ(total(), 500 + 4'000'000); // both totals are in before idle is announced
    });
    run.whenFinished(first, &context, [&](const RemovalReport&) { ++firstDone; });
    run.whenIdle(doomed.get(), [&] { ++dropped; });
    doomed.reset(); // a screen that went away meanwhile
    QTest::qWait(50);
    EXPECT_TRUE(run.isRunning());
    EXPECT_EQ(run.report(first), nullptr);
    EXPECT_TRUE(exists(three)); // not started while the first one runs
    EXPECT_EQ(idle + firstDone, 0);

    calls.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle == 1; }, 30000));
    QTest::qWait(20);
    EXPECT_EQ(firstDone, 1);
    EXPECT_EQ(idle, 1);
    EXPECT_EQ(dropped, 0);
    EXPECT_FALSE(exists(one));
    EXPECT_FALSE(exists(three));
    EXPECT_EQ(total(), 500 + 4'000'000);
    // Idle now: runs at once.
    run.whenIdle(nullptr, [&] { ++idle; });
    EXPECT_EQ(idle, 2);
}

TEST_F(CleanupRunTest, StoppingFinishesTheLocationInHandAndCancellingStopsInsideIt) {
    struct Case {
        const char* name;
        bool cancel;
    };
    for (const Case& c : {Case{"stop after the current location", false}, Case{"cancel", true}}) {
        SCOPED_TRACE(c.name);
        const auto big = tree.folder("home/Library/Caches/big");
        for (int i = 0; i < 6; ++i)
            tree.file("home/Library/Caches/big/f" + std::to_string(i), 1000);
        const auto next = tree.file("home/Library/Caches/next.bin", 5000);
        const auto queued = tree.file("home/Library/Caches/queued.bin", 7000);
        const std::int64_t before = total();

        calls.hold();
        const CleanupRun::Id id = run.start(home, {{big, identityOf(big)}, {next, identityOf(next)}});
        run.start(home, {{queued, identityOf(queued)}});
        ASSERT_TRUE(calls.waitUntilHeld());
        c.cancel ? run.cancel() : run.stopAfterCurrentLocation();
        calls.release();
        ASSERT_TRUE(run.waitUntilIdle(std::chrono::seconds(30)));

        const auto report = run.report(id);
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(statuses(*report),
                  (std::vector<Status>{c.cancel ? Status::Cancelled : Status::Removed, Status::Cancelled}));
        EXPECT_EQ(run.report(id + 1)->outcomes.at(0).status, Status::Cancelled);
        EXPECT_EQ(exists(big), c.cancel); // a cancelled location may stay in part
        EXPECT_EQ(logicalSize(next), 5000);
        EXPECT_EQ(logicalSize(queued), 7000);
        // What did go is counted, exactly.
        EXPECT_EQ(report->bytesFreed, 6000 - logicalSize(big));
        EXPECT_EQ(total(), before + report->bytesFreed);
        std::filesystem::remove(next);
        std::filesystem::remove(queued);
        std::filesystem::remove_all(big);
    }
    // The stop does not outlive the cleanups it was meant for.
    const auto later = tree.file("home/Library/Caches/later.bin", 10);
    const CleanupRun::Id id = run.start(home, {{later, identityOf(later)}});
    ASSERT_TRUE(run.waitUntilIdle(std::chrono::seconds(30)));
    EXPECT_EQ(run.report(id)->outcomes.at(0).status, Status::Removed);
}

TEST_F(CleanupRunTest, InTrashModeEverythingButTheTrashMovesThereAndOnlyWhatIsRemovedCounts) {
    // Both homes: the macOS one's ~/.Trash, the freedesktop one's pairs.
    struct Case {
        const char* what;
        std::filesystem::path trash;                // where moved items land
        std::optional<std::filesystem::path> pairs; // the scan's freedesktop Trash
        std::filesystem::path trashed;              // an item in the Trash category
        ByteCount freed;                            // with its .trashinfo, if any
    };
    const std::vector<Case> cases = {
        {"macOS home", home / ".Trash", std::nullopt, home / ".Trash/old.mov", 300},
        {"freedesktop home", home / ".local/share/Trash/files", home / ".local/share/Trash",
         home / ".local/share/Trash/files/old.mov", 300 + 29},
    };
    ASSERT_TRUE(CleaningMode::store(settings, CleaningMode::Mode::Trash));
    std::int64_t expectedTotal = total();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cleaner engine(home);
        const auto cache = tree.folder("home/Library/Caches/com.example.app");
        tree.file("home/Library/Caches/com.example.app/a", 6000);
        const auto log = tree.file("home/Library/Logs/app.log", 70);
        tree.file(c.trashed, 300);
        if (c.pairs)
            tree.fileWith(*c.pairs / "info/old.mov.trashinfo", "[Trash Info]\nPath=/x/old.mov\n");
        for (const auto& p : {cache, log, c.trashed})
            engine.scanned_identities[p.native()] = identityOf(p);
        // Site data of a running Chromium (this process, on this computer).
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        const auto held = tree.file("home/.config/chromium/Default/Cache/data", 50);
        if (!exists(home / ".config/chromium/SingletonLock"))
            tree.symlink(home / ".config/chromium/SingletonLock",
                         std::string(host) + "-" + std::to_string(::getpid()));
        engine.files = {cache, c.trashed, log, held};
        engine.trash_pairs = c.pairs;

        const CleanupRun::Id id = run.start(engine);
        ASSERT_TRUE(run.waitUntilIdle(std::chrono::seconds(30)));
        const auto report = run.report(id);
        ASSERT_TRUE(report);
        EXPECT_EQ(statuses(*report),
                  (std::vector<Status>{Status::Removed, Status::Removed, Status::Removed, Status::Refused}));
        EXPECT_EQ(report->outcomes[3].reason, "Close Chromium to clean its site data");
        EXPECT_TRUE(exists(held));
        EXPECT_TRUE(report->outcomes[0].movedToTrash);
        EXPECT_FALSE(report->outcomes[1].movedToTrash);
        EXPECT_TRUE(report->outcomes[2].movedToTrash);
        EXPECT_EQ(report->bytesMovedToTrash, 6070);
        EXPECT_EQ(report->bytesFreed, c.freed);
        EXPECT_FALSE(exists(c.trashed));
        if (c.pairs) {
            EXPECT_FALSE(exists(*c.pairs / "info/old.mov.trashinfo"));
        }
        EXPECT_TRUE(exists(c.trash / "com.example.app/a"));
        EXPECT_TRUE(exists(c.trash / "app.log"));
        // Moving frees nothing: only the Trash's item joins the total.
        expectedTotal += c.freed;
        EXPECT_EQ(total(), expectedTotal);
    }
    EXPECT_TRUE(victimIntact());
}

} // namespace
} // namespace dovrel
