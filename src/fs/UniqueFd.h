#pragma once

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace dovrel {

class Syscalls;

// Owns one open file descriptor and closes it when it goes. A descriptor
// opened through the system-call seam is closed through that seam too, so
// that a test sees every close it made possible. Closing keeps errno, and is
// never retried (on Linux the descriptor is gone even after EINTR).
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd, Syscalls* calls = nullptr) : fd_(fd), calls_(calls) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()), calls_(other.calls_) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            reset(other.fd_);
            calls_ = other.calls_;
            other.fd_ = -1;
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    explicit operator bool() const { return valid(); }

    // Gives up ownership; the caller closes the descriptor.
    int release() { return std::exchange(fd_, -1); }
    // Closes the held descriptor (if any) and holds `fd` instead.
    void reset(int fd = -1);

private:
    int fd_ = -1;
    Syscalls* calls_ = nullptr;
};

} // namespace dovrel
