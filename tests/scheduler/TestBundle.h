#pragma once

#include <filesystem>

namespace dovrel::test {

// An application bundle in the shape the agent expects, under `root`:
// dovrel-cleaner.app with an executable script that creates a marker file
// when started, and the agent's bundle in Contents/Library/LoginItems with an
// Info.plist (CFBundleName "Test scheduler", icon "agent.svg").
class TestBundle {
public:
    explicit TestBundle(const std::filesystem::path& root);

    std::filesystem::path application() const { return root_ / "dovrel-cleaner.app"; }
    std::filesystem::path agentBundle() const;
    std::filesystem::path appExecutable() const;
    std::filesystem::path agentIcon() const;
    std::filesystem::path marker() const { return root_ / "launched"; }

    bool launched() const;

    // Writes an executable shell script that creates `marker` when run.
    static void writeMarkerScript(const std::filesystem::path& script, const std::filesystem::path& marker);

private:
    std::filesystem::path root_;
};

} // namespace dovrel::test
