#pragma once

#include "fs/Types.h"

#include <type_traits>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace dovrel {

class Syscalls;

// An iterative walk of every item below a folder, fd-relative throughout, the
// descriptors kept by a FolderTrail (the budget, and the way back up through
// "..", verified by device and inode).
//
// Each folder is read completely before the walk descends, so only the names
// of its subfolders are kept. At most `maxOpenDescriptors` folders stay open.
// If the way back up fails its check (the tree was moved under us) the walk
// stops and reports itself incomplete.
//
// Never follows a symbolic link, never opens anything but folders (FIFOs
// cannot block it), takes a folder that cannot be opened or read as empty,
// and passes over items that vanish. Hidden items are included unless
// `skipHidden` is set, in which case they are neither reported nor entered.
class FolderWalk {
public:
    struct Options {
        bool skipHidden = false;
        bool sizes = true;           // stat non-folders for their logical size
        int maxOpenDescriptors = 48; // at least 2
        Syscalls* calls = nullptr;   // the seam; null for the real system calls
    };

    struct Item {
        int dirfd;                  // the folder holding the item, valid during the call
        std::string_view name;      // the item's name (bytes)
        std::string_view relParent; // that folder's path relative to the root ("" at the top)
        unsigned char type;         // DT_* (resolved when the file system gives DT_UNKNOWN)
        int depth;                  // 0 for items directly in the root
        ByteCount size;             // logical size of a non-folder when Options::sizes, else 0
        std::uint64_t inode;        // the inode number the folder's listing gives the item

        bool isDirectory() const;
        Location path(const Location& root) const;
    };

    // Calls `visit(const Item&) -> bool` for every item; for a folder the
    // return value says whether to enter it. Returns false when the walk was
    // cut short (the root could not be opened, or the tree moved under it).
    template <typename Visitor>
    static bool walk(const Location& root, const Options& options, Visitor&& visit) {
        return walkImpl(root, -1, options, &visit, [](void* ctx, const Item& item) -> bool {
            return (*static_cast<std::remove_reference_t<Visitor>*>(ctx))(item);
        });
    }

    // The same walk starting from an open folder descriptor (not closed).
    template <typename Visitor>
    static bool walkDescriptor(int dirfd, const Options& options, Visitor&& visit) {
        return walkImpl({}, dirfd, options, &visit, [](void* ctx, const Item& item) -> bool {
            return (*static_cast<std::remove_reference_t<Visitor>*>(ctx))(item);
        });
    }

    // Sum of the logical sizes of every item below the folder, hidden ones
    // included; a symbolic link, a missing path or a plain file gives 0.
    static ByteCount totalSize(const Location& folder);
    static ByteCount totalSizeOfDescriptor(int dirfd);

private:
    using Callback = bool (*)(void*, const Item&);
    static bool walkImpl(const Location& root, int rootfd, const Options& options, void* ctx, Callback cb);
};

} // namespace dovrel
