#pragma once

#include "fs/EraseLog.h"
#include "fs/FileIdentity.h"
#include "fs/FolderHandoff.h"
#include "fs/FolderTrail.h"
#include "fs/FsCalls.h"
#include "fs/RemovalOutcome.h"
#include "fs/RemovalProgress.h"
#include "fs/SubfolderHandoffs.h"
#include "fs/Types.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dovrel {

class RemovalCrew;

// Removes one folder and everything inside it, reached only through
// descriptors: nothing is ever named by a full path, no symbolic link is
// followed, nothing but folders is opened, and no mount is entered. Iterative,
// with a bounded number of open descriptors, so any depth works.
//
// The folder's parent descriptor is borrowed; the folder's own descriptor is
// taken over and closed. One TreeEraser removes one folder at a time.
//
// With a crew (see RemovalCrew), a verified subfolder may be handed to an
// idle helper, which empties it with a TreeEraser of its own; the folder that
// handed it off removes it (by name, identity checked) once it is empty.
class TreeEraser {
public:
    using Result = EraseLog::Result;

    // A verified subfolder given to a helper to be emptied (see FolderHandoff).
    using Handoff = FolderHandoff;

    // How often a folder is listed again when it refuses to go because new
    // entries appeared in it (rmdir gives ENOTEMPTY).
    static constexpr int kMaxListings = 4;

    // `maxOpenFolders` (at least 2) bounds the folder descriptors the walk
    // keeps open at once; a few more may be open for a moment. `crew` (may be
    // null) takes subfolders off this walk; each helper has its own bound.
    TreeEraser(FsCalls& calls, RemovalProgress& progress, const std::atomic<bool>& cancelled,
               int maxOpenFolders, RemovalCrew* crew = nullptr);
    TreeEraser(const TreeEraser&) = delete;
    TreeEraser& operator=(const TreeEraser&) = delete;
    ~TreeEraser();

    // Removes the folder `name` of `parentfd`. `folderfd` is that folder,
    // open for listing, and `folder` its status, checked by the caller.
    // AlreadyGone when someone else removed the folder and this walk removed
    // nothing of it.
    Result erase(int parentfd, const std::string& name, int folderfd, const FsCalls::Status& folder);

    // Empties the handed-off folder, leaving the folder itself; closes its
    // descriptor. Run by a helper.
    Result empty(Handoff& job);

private:
    friend class SubfolderHandoffs; // works on the frames of this walk

    struct Subfolder {
        std::string name;
        int listings = 0;                     // carried over when it is entered again
        std::optional<FileIdentity> expected; // when entered again: must still be this folder
    };

    // What the walk keeps of a folder on the way down; its descriptor is
    // the trail's step of the same depth.
    struct Frame {
        std::string name;
        FileIdentity identity;
        std::optional<std::uint64_t> mount;
        std::vector<Subfolder> subfolders; // still to be removed
        std::size_t next = 0;
        int listings = 0;
        bool troubled = false;                          // something in it could not be removed
        std::vector<std::unique_ptr<Handoff>> handoffs; // subfolders being emptied by helpers
    };

    Result run();
    void list(std::size_t frame);
    void removeEntry(std::size_t frame, const char* name, unsigned char type);
    void removeNonFolder(std::size_t frame, const char* name, ByteCount size, bool requeueFolder);
    // Gives the open folder of `frame` back its owner's write permission
    // when it lacks it; true when it was changed (then an unlink refused
    // there may be tried again).
    bool allowRemovalIn(std::size_t frame);
    void descend(Subfolder sub);
    bool ascend();
    bool reopenParent(std::size_t frame);
    void pop();
    void closeAll();

    void fail(std::size_t frame, const std::string& name, const std::string& what);
    void changed(std::size_t frame, const std::string& name, const std::string& what);
    std::string pathOf(std::size_t frame, const std::string& name) const;
    bool stopRequested() const {
        return cancelled_.load(std::memory_order_relaxed) || halt_->load(std::memory_order_relaxed);
    }

    FsCalls& calls_;
    const std::atomic<bool>& cancelled_;

    FolderTrail trail_;
    std::vector<Frame> stack_;
    int rootParent_ = -1;  // -1 when only emptying (the root stays)
    std::string rootPath_; // the root's path relative to the removed location
    std::atomic<bool> ownHalt_{false};
    std::atomic<bool>* halt_ = &ownHalt_;
    EraseLog log_;
    SubfolderHandoffs handoffs_;
};

} // namespace dovrel
