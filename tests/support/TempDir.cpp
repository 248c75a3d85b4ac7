#include "support/TempDir.h"

#include <cstdlib>
#include <ftw.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace dovrel::test {

namespace {
int makeWritable(const char* path, const struct stat* st, int type, struct FTW*) {
    if (type == FTW_D || type == FTW_DNR || type == FTW_DP)
        ::chmod(path, (st->st_mode & 07777) | S_IRWXU);
    return 0;
}
int removeOne(const char* path, const struct stat*, int type, struct FTW*) {
    if (type == FTW_DP || type == FTW_D || type == FTW_DNR)
        ::rmdir(path);
    else
        ::unlink(path);
    return 0;
}
} // namespace

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "dovrel-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    // Pre-order pass opens unreadable folders up, post-order pass removes.
    ::nftw(path_.c_str(), makeWritable, 64, FTW_PHYS);
    ::nftw(path_.c_str(), removeOne, 64, FTW_PHYS | FTW_DEPTH);
    // nftw works on full paths and gives up past PATH_MAX; rm walks
    // fd-relative. The path is ours from mkdtemp: no quoting issues.
    struct stat st {};
    if (::lstat(path_.c_str(), &st) == 0) {
        const std::string command = "rm -rf --one-file-system -- '" + path_.string() + "'";
        [[maybe_unused]] int rc = std::system(command.c_str());
    }
}

} // namespace dovrel::test
