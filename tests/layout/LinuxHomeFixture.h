#pragma once

#include "fs/SizeMemo.h"
#include "layout/LinuxLayout.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace dovrel::test {

// A Linux home "ann" and a machine of its own beside it in a temporary
// folder: sys/share (the system data directory), sys/flatpak (the system
// Flatpak installation) and sys/snap (the snap root). Nothing outside the
// temporary folder is read.
class LinuxHomeFixture : public ::testing::Test {
protected:
    TempDir tmp;
    FixtureTree tree{tmp.path()};
    Location home = tmp / "ann";
    Location sys = tmp / "sys";
    std::map<std::string, std::string> environment;
    SizeMemo sizes{1};

    void SetUp() override { std::filesystem::create_directories(home); }

    XdgDirs::Environment env() const {
        auto copy = environment;
        return [copy](const char* name) -> std::optional<std::string> {
            if (auto it = copy.find(name); it != copy.end())
                return it->second;
            return std::nullopt;
        };
    }

    LinuxSystem system() const {
        LinuxSystem s;
        s.flatpakSystemInstallations = {sys / "flatpak"};
        s.snapRoot = sys / "snap";
        return s;
    }

    LinuxLayout layout() {
        environment.emplace("XDG_DATA_DIRS", (sys / "share").native());
        return LinuxLayout(XdgDirs::resolve(home, env()), system());
    }

    // A file of `size` bytes below the home.
    Location file(const std::string& rel, std::int64_t size = 10) { return tree.file("ann/" + rel, size); }
    Location text(const std::string& rel, const std::string& contents) {
        return tree.fileWith("ann/" + rel, contents);
    }

    static std::string desktop(const std::string& body) {
        return "[Desktop Entry]\nType=Application\n" + body;
    }

    template <typename T> static std::vector<std::string> labels(const std::vector<T>& items) {
        std::vector<std::string> out;
        for (const auto& i : items)
            out.push_back(i->label.toStdString());
        return out;
    }
};

} // namespace dovrel::test
