#include "RemoverFixture.h"

#include "fs/Remover.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

// Races against a second thread that keeps changing the tree while it is
// removed. Each test runs removal rounds for about 1.5 seconds and checks
// after every round that nothing outside the chosen location was touched.

namespace dovrel::test {
namespace {

namespace fs = std::filesystem;
using Status = RemovalOutcome::Status;
using Clock = std::chrono::steady_clock;

constexpr auto kRaceTime = std::chrono::milliseconds(1500);

class RemoverRaceTest : public RemoverFixture {
protected:
    // app/s0..s7, each with files and a nested folder of files.
    void buildApp() {
        for (int s = 0; s < 8; ++s) {
            const std::string dir = "home/Library/Caches/app/s" + std::to_string(s);
            for (int f = 0; f < 6; ++f) {
                tree.file(dir + "/f" + std::to_string(f), 3);
                tree.file(dir + "/n/g" + std::to_string(f), 3);
            }
        }
    }

    // Runs `swap` over and over in a second thread while `remove` runs, round
    // after round, and checks the victim after each round. All of it runs
    // shut in a chroot of the test's folder (see contained()).
    template <typename Swap, typename Remove> void race(const char* what, Swap swap, Remove remove) {
        const auto counts = contained([&](std::ostream& out) {
            int rounds = 0;
            long swaps = 0;
            const auto end = Clock::now() + kRaceTime;
            while (Clock::now() < end || rounds < 3) {
                buildApp();
                const RemovalRequest request = scanned(caches / "app"); // before anything moves
                std::atomic<bool> stop{false};
                std::thread swapper([&] {
                    for (int i = 0; !stop.load(); ++i)
                        swaps += swap(i);
                });
                remove(request);
                stop = true;
                swapper.join();
                ++rounds;
                ASSERT_TRUE(victimIntact()) << "after round " << rounds;
                std::error_code ec;
                for (const char* leftover : {"app", "app-aside"}) {
                    fs::remove(caches / leftover, ec); // a link left by the swapper
                    fs::remove_all(caches / leftover, ec);
                }
            }
            out << rounds << " " << swaps;
        });
        if (!counts)
            GTEST_SKIP() << "cannot shut the test in a chroot here";
        int rounds = 0;
        long swaps = 0;
        std::istringstream(*counts) >> rounds >> swaps;
        RecordProperty("rounds", rounds);
        RecordProperty("swaps", static_cast<int>(swaps));
        std::cout << what << ": " << rounds << " rounds, " << swaps << " swaps\n";
        EXPECT_GE(rounds, 3);
        EXPECT_GT(swaps, 0);
    }
};

// Folder swaps and moves of the tests below, round after round.
long swapForLink(const fs::path& caches, const fs::path& victim, int i) {
    // A subfolder, or now and then the location itself, becomes a link to
    // the victim for a moment.
    const fs::path target = (i % 5 == 0) ? caches / "app" : caches / "app" / ("s" + std::to_string(i % 8));
    const fs::path aside = (i % 5 == 0) ? caches / "app-aside" : caches / "app" / "aside";
    if (::rename(target.c_str(), aside.c_str()) != 0)
        return 0;
    const bool linked = ::symlink(victim.c_str(), target.c_str()) == 0;
    std::this_thread::yield();
    if (linked)
        ::unlink(target.c_str());
    ::rename(aside.c_str(), target.c_str());
    return linked ? 1 : 0;
}

long moveIntoVictim(const fs::path& caches, const fs::path& victim, int i) {
    // A subtree leaves for the victim folder and comes back.
    const fs::path from = caches / "app" / ("s" + std::to_string(i % 8)) / "n";
    const fs::path to = victim / "n";
    if (::rename(from.c_str(), to.c_str()) != 0)
        return 0;
    std::this_thread::yield();
    ::rename(to.c_str(), from.c_str());
    return 1;
}

// One removal of the race: with `threads` threads and two descriptors each,
// so that every thread climbs back through "..".
RemovalOutcome removeRacing(const fs::path& home, const RemovalRequest& request, int threads) {
    Remover remover(home);
    remover.setThreads(threads);
    remover.setMaxOpenFolders(2 * threads);
    const RemovalReport report = remover.remove({request});
    const Status s = report.outcomes[0].status;
    EXPECT_TRUE(s == Status::Removed || s == Status::Changed || s == Status::AlreadyGone ||
                s == Status::Failed)
        << static_cast<int>(s) << " " << report.outcomes[0].reason;
    return report.outcomes[0];
}

TEST_F(RemoverRaceTest, FoldersSwappedForLinksToAVictimWhileRemoving) {
    race(
        "folders swapped for links", [&](int i) { return swapForLink(caches, victim, i); },
        [&](const RemovalRequest& request) { removeRacing(home, request, 1); });
}

TEST_F(RemoverRaceTest, FoldersSwappedForLinksWhileTwoThreadsRemove) {
    race(
        "folders swapped for links, two threads", [&](int i) { return swapForLink(caches, victim, i); },
        [&](const RemovalRequest& request) { removeRacing(home, request, 2); });
}

TEST_F(RemoverRaceTest, SubtreesMovedIntoTheVictimWhileRemoving) {
    race(
        "subtrees moved out", [&](int i) { return moveIntoVictim(caches, victim, i); },
        [&](const RemovalRequest& request) {
            removeRacing(home, request, 1);
            // Whatever was in flight stays in the victim; it was chosen content.
            std::error_code ec;
            fs::remove_all(victim / "n", ec);
        });
}

TEST_F(RemoverRaceTest, SubtreesMovedIntoTheVictimWhileTwoThreadsRemove) {
    race(
        "subtrees moved out, two threads", [&](int i) { return moveIntoVictim(caches, victim, i); },
        [&](const RemovalRequest& request) {
            removeRacing(home, request, 2);
            std::error_code ec;
            fs::remove_all(victim / "n", ec);
        });
}

// What someone else removes meanwhile is gone, not a failure: the removal
// must report the location done, whoever got to which entry first.
void expectDone(const RemovalOutcome& o, const char* who) {
    EXPECT_TRUE(o.done()) << who << ": " << static_cast<int>(o.status) << " " << o.reason;
}

TEST_F(RemoverRaceTest, TwoRemovalsOfTheSameTreeAtOnceAreBothDone) {
    race(
        "two removals at once",
        [&](int i) {
            if (i > 0) {
                std::this_thread::yield();
                return 0;
            }
            Remover other(home);
            other.setThreads(1);
            other.setMaxOpenFolders(2);
            expectDone(other.remove({{caches / "app", std::nullopt}}).outcomes[0], "the other removal");
            return 1;
        },
        [&](const RemovalRequest& request) { expectDone(removeRacing(home, request, 2), "the removal"); });
}

TEST_F(RemoverRaceTest, ApplicationClearingItsCacheWhileRemovingIsDone) {
    race(
        "cache cleared by its application",
        [&](int i) {
            // The subfolders removed one after the other, once.
            if (i >= 8) {
                std::this_thread::yield();
                return 0;
            }
            std::error_code ec;
            fs::remove_all(caches / "app" / ("s" + std::to_string(i)), ec);
            return 1;
        },
        [&](const RemovalRequest& request) { expectDone(removeRacing(home, request, 2), "the removal"); });
}

} // namespace
} // namespace dovrel::test
