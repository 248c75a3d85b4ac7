#include "catalogue/BundleFile.h"

#include "fs/PathOps.h"

#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

// The lookup keeps a stack of open folders, the bundle at the bottom, and a
// queue of components still to look up:
//
//   "Contents/Info.plist"      stack: [bundle]              queue: Contents, Info.plist
//   Contents is a folder       stack: [bundle, Contents]    queue: Info.plist
//   Info.plist -> Resources/I  stack: [bundle, Contents]    queue: Resources, I
//   "../x"                     ".." pops the stack; popping the bundle itself ends the lookup
//
// A link's target is pushed to the front of the queue, so it is looked up
// from the folder that holds the link, as the kernel would; every step is an
// fd-relative call that does not follow links, so nothing outside the stack's
// folders is ever reached.

namespace dovrel {

namespace {

constexpr int kDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
constexpr int kFileFlags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;

int openAtRetry(int dirfd, const char* name, int flags) {
    int fd;
    do {
        fd = ::openat(dirfd, name, flags);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Splits at "/" in front of `queue`, keeping the order; empty pieces go.
void pushFront(std::deque<std::string>& queue, std::string_view path) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t slash = path.find('/', from);
        if (slash == std::string_view::npos)
            slash = path.size();
        if (slash > from)
            pieces.emplace_back(path.substr(from, slash - from));
        from = slash + 1;
    }
    queue.insert(queue.begin(), pieces.begin(), pieces.end());
}

// The bundle's own path as an absolute text without a trailing "/", to
// recognise absolute link targets that point back inside it.
std::string absoluteText(const Location& bundle) {
    std::error_code ec;
    std::string text = std::filesystem::absolute(bundle, ec).native();
    if (ec)
        return {};
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

} // namespace

BundleFile::BundleFile(const Location& bundle, std::string_view relative) {
    const int root = PathOps::openDirectory(bundle, true);
    if (root < 0)
        return;
    std::vector<int> folders{root};
    std::vector<std::string> names; // one per folder above the bundle
    std::deque<std::string> queue;
    pushFront(queue, relative);
    int links = 0;
    std::string bundleText; // computed on the first absolute target

    auto unwindTo = [&](std::size_t depth) {
        while (folders.size() > depth) {
            ::close(folders.back());
            folders.pop_back();
        }
        names.resize(depth - 1);
    };

    while (!queue.empty()) {
        const std::string name = std::move(queue.front());
        queue.pop_front();
        if (name == ".")
            continue;
        if (name == "..") {
            if (folders.size() == 1)
                break; // would leave the bundle
            unwindTo(folders.size() - 1);
            continue;
        }
        const int here = folders.back();
        struct stat st {};
        if (::fstatat(here, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            break;
        if (S_ISLNK(st.st_mode)) {
            if (++links > kMaxLinks)
                break;
            char target[PATH_MAX];
            const ssize_t n = ::readlinkat(here, name.c_str(), target, sizeof target);
            if (n <= 0 || static_cast<std::size_t>(n) >= sizeof target)
                break;
            std::string_view text(target, static_cast<std::size_t>(n));
            if (text.front() == '/') {
                if (bundleText.empty())
                    bundleText = absoluteText(bundle);
                if (bundleText.empty() || !text.starts_with(bundleText))
                    break;
                text.remove_prefix(bundleText.size());
                if (!text.empty() && text.front() != '/')
                    break; // "/x/Editor.app2/..." is not inside "/x/Editor.app"
                unwindTo(1);
            }
            pushFront(queue, text);
            continue;
        }
        if (queue.empty()) {
            // The item itself: a regular file, the very one looked at.
            if (!S_ISREG(st.st_mode))
                break;
            const int fd = openAtRetry(here, name.c_str(), kFileFlags);
            if (fd < 0)
                break;
            struct stat opened {};
            if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != st.st_dev ||
                opened.st_ino != st.st_ino) {
                ::close(fd);
                break;
            }
            fd_ = fd;
            status_ = opened;
            path_ = bundle;
            for (const std::string& folder : names)
                path_ /= folder;
            path_ /= name;
            break;
        }
        if (!S_ISDIR(st.st_mode))
            break;
        const int child = openAtRetry(here, name.c_str(), kDirFlags);
        if (child < 0)
            break;
        folders.push_back(child);
        names.push_back(name);
    }
    unwindTo(1);
    ::close(root);
}

BundleFile::~BundleFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace dovrel
