#pragma once

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <optional>

namespace dovrel {

class Defaults;

// Stand-in for a security-scoped bookmark: a folder's path (bytes, exact) plus
// its identity (device, inode) when the user granted it.
//
// Resolving gives the folder while it exists and is a folder. When the folder
// at that path is no longer the one granted (other device or inode) it still
// resolves, flagged stale, as a bookmark would. A missing folder, a path that
// is now a file, and damaged data do not resolve. There is no access to start
// or stop on this platform: once resolved, access lasts the process.
class Grant {
public:
    enum class Status { Resolved, Stale, NoGrant, Unresolvable };

    struct Resolution {
        Status status = Status::NoGrant;
        std::optional<std::filesystem::path> folder; // set for Resolved and Stale
        bool resolved() const { return folder.has_value(); }
    };

    static constexpr const char* kHomeKey = "home";
    static constexpr const char* kApplicationsKey = "Applications";

    // Bookmark data for a folder, or absent when the path is not a folder.
    // The path is made absolute and lexically normal; symbolic links in it
    // are kept as given.
    static std::optional<QByteArray> create(const std::filesystem::path& folder);

    static Resolution resolve(const std::optional<QByteArray>& data);
    static Resolution resolve(const Defaults& defaults, const QString& key);

    // The path stored in the data, without touching the disk.
    static std::optional<std::filesystem::path> storedPath(const QByteArray& data);
};

} // namespace dovrel
