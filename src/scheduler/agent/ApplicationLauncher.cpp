#include "scheduler/agent/ApplicationLauncher.h"

#include "scheduler/BundleLayout.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dovrel::agent {

// Detaching is a double fork: the first child starts a new session and forks
// the program's process, then exits at once; the caller reaps it, and the
// program is adopted by the system. A close-on-exec pipe tells the caller
// whether exec succeeded: it closes with nothing written when the program's
// image is loaded, and carries errno when any step fails.
//
// Between fork and exec only async-signal-safe calls are made: the caller has
// other threads (the D-Bus connection's), and their locks may be held.

namespace {

void reportAndExit(int pipeFd, int code) {
    const int error = errno;
    [[maybe_unused]] ssize_t n = ::write(pipeFd, &error, sizeof error);
    ::_exit(code);
}

} // namespace

bool ApplicationLauncher::launchApplication(const std::filesystem::path& bundle) {
    if (bundle.empty())
        return false;
    return startDetached(BundleLayout::executableOfBundle(bundle));
}

bool ApplicationLauncher::startDetached(const std::filesystem::path& program) {
    if (program.empty() || !program.is_absolute())
        return false;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    // Prepared before fork: nothing may allocate in the child.
    const char* path = program.c_str();
    char* const argv[] = {const_cast<char*>(path), nullptr};

    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (child == 0) {
        ::close(fds[0]);
        if (::setsid() < 0)
            reportAndExit(fds[1], 1);
        const pid_t grandchild = ::fork();
        if (grandchild < 0)
            reportAndExit(fds[1], 1);
        if (grandchild > 0)
            ::_exit(0);
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        struct sigaction dfl {};
        dfl.sa_handler = SIG_DFL;
        ::sigaction(SIGPIPE, &dfl, nullptr);
        ::execv(path, argv);
        reportAndExit(fds[1], 127);
    }

    ::close(fds[1]);
    int error = 0;
    ssize_t got;
    do {
        got = ::read(fds[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return got == 0;
}

} // namespace dovrel::agent
