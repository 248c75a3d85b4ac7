// Helper program of bench/removal.sh.
//
//   remove_bench generate DIR [FOLDERS [FILES]]
//       Builds a tree of FOLDERS folders (default 1000) holding FILES small
//       files each (default 100), at mixed depths: folders nest ten to a
//       level, so files sit one to four levels down. Sizes vary from 0 to
//       4095 bytes.
//   remove_bench remove [-t THREADS] HOME LOCATION...
//       Removes the locations (below HOME) with the engine's Remover (with
//       THREADS threads, default the Remover's) and prints "seconds items
//       bytes"; exits 1 unless every location went.

#include "fs/Remover.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int usage() {
    std::fprintf(stderr, "usage: remove_bench generate DIR [FOLDERS [FILES]]\n"
                         "       remove_bench remove [-t THREADS] HOME LOCATION...\n");
    return 2;
}

// Folder 0 is DIR/f0; folder i > 0 lives in folder i / 10, so depth grows
// with the number of digits (f0/f4/f42/f421).
std::string folderPath(const std::string& root, long i) {
    std::string path;
    for (; i > 0; i /= 10)
        path = "/f" + std::to_string(i) + path;
    return root + "/f0" + path;
}

int generate(const std::string& root, long folders, long files) {
    if (::mkdir(root.c_str(), 0755) != 0) {
        std::perror(root.c_str());
        return 1;
    }
    std::vector<char> data(4096, 'x');
    unsigned seed = 12345;
    for (long i = 0; i < folders; ++i) {
        const std::string dir = folderPath(root, i);
        if (::mkdir(dir.c_str(), 0755) != 0) {
            std::perror(dir.c_str());
            return 1;
        }
        const int dirfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirfd < 0) {
            std::perror(dir.c_str());
            return 1;
        }
        for (long j = 0; j < files; ++j) {
            const std::string name = "file" + std::to_string(j) + ".dat";
            const int fd = ::openat(dirfd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd < 0) {
                std::perror(name.c_str());
                return 1;
            }
            seed = seed * 1103515245u + 12345u;
            const std::size_t size = (seed >> 16) % data.size();
            if (size > 0 && ::write(fd, data.data(), size) != static_cast<ssize_t>(size)) {
                std::perror(name.c_str());
                return 1;
            }
            ::close(fd);
        }
        ::close(dirfd);
    }
    return 0;
}

int removeLocations(int argc, char** argv) {
    int first = 2;
    int threads = dovrel::Remover::kDefaultThreads;
    if (argc > 3 && std::string(argv[2]) == "-t") {
        threads = std::atoi(argv[3]);
        first = 4;
    }
    if (argc < first + 2)
        return usage();
    std::vector<dovrel::RemovalRequest> requests;
    for (int i = first + 1; i < argc; ++i)
        requests.push_back({dovrel::Location(argv[i]), std::nullopt});
    dovrel::Remover remover{dovrel::Location(argv[first])};
    remover.setThreads(threads);
    const auto start = std::chrono::steady_clock::now();
    const dovrel::RemovalReport report = remover.remove(requests);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%.6f %lld %lld\n", took.count(), static_cast<long long>(report.itemsRemoved),
                static_cast<long long>(report.bytesFreed));
    for (const auto& o : report.outcomes) {
        if (!o.done())
            std::fprintf(stderr, "%s: not removed: %s\n", o.location.c_str(), o.reason.c_str());
    }
    return report.allDone() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "generate")
        return generate(argv[2], argc > 3 ? std::atol(argv[3]) : 1000, argc > 4 ? std::atol(argv[4]) : 100);
    if (argc >= 4 && std::string(argv[1]) == "remove")
        return removeLocations(argc, argv);
    return usage();
}
