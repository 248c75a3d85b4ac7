#include "shell/LaunchOptions.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

using namespace dovrel;

TEST(LaunchOptionsTest, SystemRootIsAFolderGivenEitherWayAndAnythingElseIsRefused) {
    test::TempDir tmp;
    std::filesystem::create_directories(tmp / "sys\xff");
    const std::string root = (tmp / "sys\xff").native();
    const std::string file = (tmp / "file").native();
    std::ofstream(file).put('x');
    const struct {
        std::vector<std::string> args;
        std::optional<std::string> root; // expected, or absent for an error
        bool ok;
    } cases[] = {
        {{}, std::nullopt, true},
        {{"--system-root", root}, root, true},
        {{"--system-root=" + root + "/"}, root + "/", true},
        {{"--system-root"}, std::nullopt, false},
        {{"--system-root="}, std::nullopt, false},
        {{"--system-root", file}, std::nullopt, false},
        {{"--system-rootx"}, std::nullopt, false},
        {{"--verbose"}, std::nullopt, false},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"dovrel-cleaner"};
        for (const auto& a : c.args)
            argv.push_back(a.c_str());
        std::string error;
        const auto options = LaunchOptions::parse(static_cast<int>(argv.size()), argv.data(), error);
        const std::string what = c.args.empty() ? "(none)" : c.args.front();
        ASSERT_EQ(options.has_value(), c.ok) << what;
        if (!c.ok) {
            EXPECT_FALSE(error.empty()) << what;
            continue;
        }
        EXPECT_EQ(options->systemRoot ? std::optional<std::string>(options->systemRoot->native())
                                      : std::nullopt,
                  c.root)
            << what;
    }
}
