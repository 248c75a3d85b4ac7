#pragma once

#include "engine/FileIdentity.h"
#include "engine/RemovalCalls.h"
#include "engine/RemovalOutcome.h"
#include "engine/RemovalProgress.h"
#include "engine/Types.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// Removes one folder and everything inside it, reached only through
// descriptors: nothing is ever named by a full path, no symbolic link is
// followed, nothing but folders is opened, and no mount is entered. Iterative,
// with a bounded number of open descriptors, so any depth works.
//
// The folder's parent descriptor is borrowed; the folder's own descriptor is
// taken over and closed. One TreeEraser removes one folder at a time.
class TreeEraser {
public:
    struct Result {
        RemovalOutcome::Status status =
            RemovalOutcome::Status::Removed; // Removed, Changed, Failed, Cancelled
        std::string reason;                  // first problem, path relative to the folder
        std::int64_t items = 0;
        ByteCount bytes = 0;
    };

    // How often a folder is listed again when it refuses to go because new
    // entries appeared in it (rmdir gives ENOTEMPTY).
    static constexpr int kMaxListings = 4;

    // `maxOpenFolders` (at least 2) bounds the folder descriptors the walk
    // keeps open at once; a few more may be open for a moment.
    TreeEraser(RemovalCalls& calls, RemovalProgress& progress, const std::atomic<bool>& cancelled,
               int maxOpenFolders);
    TreeEraser(const TreeEraser&) = delete;
    TreeEraser& operator=(const TreeEraser&) = delete;
    ~TreeEraser();

    // Removes the folder `name` of `parentfd`. `folderfd` is that folder,
    // open for listing, and `folder` its status, checked by the caller.
    Result erase(int parentfd, const std::string& name, int folderfd, const RemovalCalls::Status& folder);

private:
    struct Frame {
        int fd = -1; // -1 while closed to save descriptors
        std::string name;
        FileIdentity identity;
        std::optional<std::uint64_t> mount;
        std::vector<std::string> subfolders; // still to be removed
        std::size_t next = 0;
        int listings = 0;
        bool troubled = false; // something in it could not be removed
    };

    void list(std::size_t frame);
    void removeEntry(std::size_t frame, const char* name, unsigned char type);
    void removeNonFolder(std::size_t frame, const char* name, ByteCount size, bool requeueFolder);
    void descend(std::string name);
    bool ascend();
    bool reopenParent(std::size_t frame);
    int openChild(int dirfd, const char* name);
    bool closeShallowest();
    void pop();
    void closeAll();

    bool crossesMount(const Frame& parent, const RemovalCalls::Status& child) const;
    void count(std::int64_t items, ByteCount bytes);
    void fail(std::size_t frame, const std::string& name, const std::string& what);
    void changed(std::size_t frame, const std::string& name, const std::string& what);
    void abort(RemovalOutcome::Status status, const std::string& what);
    std::string pathOf(std::size_t frame, const std::string& name) const;
    bool cancelRequested() const { return cancelled_.load(std::memory_order_relaxed); }

    RemovalCalls& calls_;
    RemovalProgress& progress_;
    const std::atomic<bool>& cancelled_;
    const int maxOpen_;

    std::vector<Frame> stack_;
    std::size_t openFrom_ = 1; // frames [1, openFrom_) are closed; the root never is
    int openCount_ = 0;
    int rootParent_ = -1;
    bool aborted_ = false;
    Result result_;
    std::optional<std::string> firstFailure_;
    std::optional<std::string> firstChange_;
    std::vector<std::uint64_t> buffer_; // getdents records, 8-byte aligned
};

} // namespace dovrel
