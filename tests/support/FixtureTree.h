#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace dovrel::test {

// Small builders for real fixture trees. Paths are created with their parent
// folders; relative paths are taken below `root`.
class FixtureTree {
public:
    explicit FixtureTree(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path operator/(const std::filesystem::path& rel) const { return root_ / rel; }

    // A file of exactly `size` bytes (content 'x').
    std::filesystem::path file(const std::filesystem::path& rel, std::int64_t size);
    std::filesystem::path fileWith(const std::filesystem::path& rel, const std::string& contents);
    std::filesystem::path folder(const std::filesystem::path& rel);
    std::filesystem::path symlink(const std::filesystem::path& rel, const std::filesystem::path& target);
    std::filesystem::path fifo(const std::filesystem::path& rel);
    std::filesystem::path socket(const std::filesystem::path& rel);

    // The macOS-shaped skeleton of a home folder: Library with Caches,
    // Containers, Logs, Preferences, Saved Application State, Application
    // Scripts, Application Support; .Trash, Downloads, Desktop, Documents.
    static void makeHomeSkeleton(const std::filesystem::path& home);

private:
    std::filesystem::path root_;
};

} // namespace dovrel::test
