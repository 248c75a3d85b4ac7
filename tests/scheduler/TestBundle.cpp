#include "scheduler/TestBundle.h"

#include "support/FixtureTree.h"

#include <sys/stat.h>

namespace dovrel::test {

TestBundle::TestBundle(const std::filesystem::path& root) : root_(root) {
    FixtureTree tree(root_);
    writeMarkerScript(appExecutable(), marker());
    tree.fileWith(agentBundle() / "Contents" / "Info.plist", R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<dict>
	<key>CFBundleIdentifier</key><string>com.halvik.dovrel-cleaner-scheduler</string>
	<key>CFBundleName</key><string>Test scheduler</string>
	<key>CFBundleExecutable</key><string>dovrel-cleaner-scheduler</string>
	<key>CFBundleIconFile</key><string>agent.svg</string>
</dict>
</plist>
)");
    tree.fileWith(agentIcon(), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>\n");
}

std::filesystem::path TestBundle::agentBundle() const {
    return application() / "Contents" / "Library" / "LoginItems" / "dovrel-cleaner-scheduler.app";
}

std::filesystem::path TestBundle::appExecutable() const {
    return application() / "Contents" / "MacOS" / "dovrel-cleaner";
}

std::filesystem::path TestBundle::agentIcon() const {
    return agentBundle() / "Contents" / "Resources" / "agent.svg";
}

bool TestBundle::launched() const {
    struct stat st {};
    return ::stat(marker().c_str(), &st) == 0;
}

void TestBundle::writeMarkerScript(const std::filesystem::path& script, const std::filesystem::path& marker) {
    // Written whole, then renamed: a test that sees the marker sees its content.
    const std::string m = marker.native();
    FixtureTree(script.parent_path())
        .fileWith(script.filename(),
                  "#!/bin/sh\necho \"$PPID\" > '" + m + ".tmp' && mv '" + m + ".tmp' '" + m + "'\n");
    ::chmod(script.c_str(), 0755);
}

} // namespace dovrel::test
