#pragma once

#include "fs/FileIdentity.h"
#include "fs/RemovalRequest.h"
#include "fs/Remover.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

namespace dovrel::test {

struct ChildResult {
    int exitCode = -1; // -1: killed or crashed
    std::string output;
};

// Runs `body(std::ostream&) -> int` in a child process and returns its exit
// code and what it wrote to the stream; kills it after 60 seconds.
template <typename Body> ChildResult inChild(Body body) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::ostringstream out;
        const int code = body(out);
        const std::string text = out.str();
        (void)!::write(fds[1], text.data(), text.size());
        ::_exit(code);
    }
    ::close(fds[1]);
    ChildResult result;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    char buf[4096];
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0)
            continue;
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n <= 0)
            break;
        result.output.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (std::chrono::steady_clock::now() >= deadline)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// A macOS-shaped home folder in a temporary folder, plus a "victim" folder
// beside it that no removal may ever touch.
class RemoverFixture : public ::testing::Test {
protected:
    RemoverFixture()
        : tree(tmp.path()), home(tmp / "home"), caches(home / "Library/Caches"), victim(tmp / "victim") {
        FixtureTree::makeHomeSkeleton(home);
        for (int i = 0; i < 5; ++i)
            tree.file("victim/keep" + std::to_string(i), 10 + i);
        tree.file("victim/inner/keep", 7);
    }

    // The victim folder still holds exactly what it was given.
    ::testing::AssertionResult victimIntact() const {
        for (int i = 0; i < 5; ++i) {
            const auto p = victim / ("keep" + std::to_string(i));
            std::error_code ec;
            if (std::filesystem::file_size(p, ec) != static_cast<std::uintmax_t>(10 + i) || ec)
                return ::testing::AssertionFailure() << p << " was touched";
        }
        std::error_code ec;
        if (std::filesystem::file_size(victim / "inner/keep", ec) != 7 || ec)
            return ::testing::AssertionFailure() << "victim/inner/keep was touched";
        return ::testing::AssertionSuccess();
    }

    static FileIdentity identityOf(const std::filesystem::path& p) {
        struct stat st {};
        EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
        return FileIdentity::of(st);
    }
    // A request as the scan hands it over: with the identity seen now.
    static RemovalRequest scanned(const std::filesystem::path& p) { return {p, identityOf(p)}; }

    static bool exists(const std::filesystem::path& p) {
        struct stat st {};
        return ::lstat(p.c_str(), &st) == 0;
    }

    // Sum of the lstat sizes of every non-folder at or below `p` (links not
    // followed), the way the removal must count what it frees.
    static ByteCount logicalSize(const std::filesystem::path& p) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0)
            return 0;
        if (!S_ISDIR(st.st_mode))
            return st.st_size;
        ByteCount total = 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(p)) {
            if (::lstat(e.path().c_str(), &st) == 0 && !S_ISDIR(st.st_mode))
                total += st.st_size;
        }
        return total;
    }

    // Entries at or below `p`, `p` included (0 when it is gone).
    static std::int64_t entryCount(const std::filesystem::path& p) {
        if (!exists(p))
            return 0;
        std::int64_t n = 1;
        struct stat st {};
        if (::lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            for ([[maybe_unused]] const auto& e : std::filesystem::recursive_directory_iterator(p))
                ++n;
        }
        return n;
    }

    // Runs `body(std::ostream&)` in a child process shut in a chroot of the
    // temporary folder, with the fixture's paths rebased to that root: a
    // removal that goes wrong (climbs out of the tree, follows a link) can at
    // worst destroy the test's own folder. Failures inside are printed by the
    // child and fail the test; the stream's text is returned. Returns nothing
    // when no chroot can be made here (the caller skips).
    template <typename Body> std::optional<std::string> contained(Body body) {
        const ChildResult r = inChild([&](std::ostream& out) {
            if (::geteuid() != 0 && ::unshare(CLONE_NEWUSER) != 0)
                return 77;
            if (::chroot(tmp.path().c_str()) != 0 || ::chdir("/") != 0)
                return 77;
            tree = FixtureTree("/");
            home = "/home";
            caches = home / "Library/Caches";
            victim = "/victim";
            body(out);
            std::fflush(stdout);
            return ::testing::Test::HasFailure() ? 1 : 0;
        });
        if (r.exitCode == 77)
            return std::nullopt;
        EXPECT_EQ(r.exitCode, 0) << "the contained part failed (see its output above)";
        return r.output;
    }

    TempDir tmp;
    FixtureTree tree;
    std::filesystem::path home;
    std::filesystem::path caches;
    std::filesystem::path victim;
};

} // namespace dovrel::test
