#pragma once

#include <chrono>
#include <filesystem>

namespace dovrel {

// An advisory lock on "<file>.lock", held while the object lives. Polls with
// a growing pause (1 ms up to 100 ms) until `wait` has passed; locked() says
// whether it was had, error() why not (EWOULDBLOCK: a peer kept it). Without
// it a settings file may not be written.
class FileLock {
public:
    FileLock(const std::filesystem::path& file, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return locked_; }
    int error() const { return error_; }

private:
    int fd_ = -1;
    bool locked_ = false;
    int error_ = 0;
};

} // namespace dovrel
