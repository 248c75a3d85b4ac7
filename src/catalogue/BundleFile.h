#pragma once

#include "fs/Types.h"

#include <string_view>
#include <sys/stat.h>

namespace dovrel {

// One regular file inside an application bundle, opened for reading without
// letting a symbolic link lead out of the bundle and without opening anything
// that is not a regular file.
//
// The relative path is looked up one component at a time from a descriptor of
// the bundle folder (the bundle itself is opened as named). A symbolic link
// met on the way, the file's own name included, is read and its target looked
// up the same way as long as it stays inside the bundle: a ".." that would
// climb above the bundle, or an absolute target that does not lie below the
// bundle's own path, ends the lookup, as do more than kMaxLinks links. The
// type of the final item is taken with fstatat (no following) before anything
// is opened; only a regular file is opened (O_NOFOLLOW, O_NONBLOCK), and the
// opened file must be the one looked at (device and inode), so an item
// swapped in between is refused. FIFOs and device nodes are never opened.
//
// Owns the descriptor; not copyable. Thread-safe (no shared state).
class BundleFile {
public:
    static constexpr int kMaxLinks = 16;

    // `relative` is taken below `bundle`, e.g. "Contents/Info.plist".
    BundleFile(const Location& bundle, std::string_view relative);
    ~BundleFile();

    BundleFile(const BundleFile&) = delete;
    BundleFile& operator=(const BundleFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The open descriptor, or -1.
    int fd() const { return fd_; }
    // The file's status (valid when open).
    const struct stat& status() const { return status_; }
    // Where the file was found: the bundle path plus the components the
    // lookup went through, links replaced by their targets (empty when not
    // open).
    const Location& path() const { return path_; }

private:
    int fd_ = -1;
    struct stat status_ {};
    Location path_;
};

} // namespace dovrel
