#include "LinuxHomeFixture.h"
#include "layout/LinuxLayout.h"

#include <gtest/gtest.h>

#include <set>

using namespace dovrel;
using dovrel::test::LinuxHomeFixture;

namespace {

namespace fs = std::filesystem;

using Found = std::set<std::pair<std::string, std::string>>; // label, folder below the home

class ToolCachesTest : public LinuxHomeFixture {
protected:
    Found found(ByteCount* total = nullptr) {
        LinuxLayout l = layout();
        ByteCount sum = 0;
        Found out;
        for (const auto& c : l.caches(sizes, sum))
            out.insert({c->label.toStdString(), c->url.lexically_relative(home).native()});
        if (total)
            *total = sum;
        return out;
    }
};

// What each tool documents as its download cache is listed under the tool's
// name; what builds and programs use in place is not.
TEST_F(ToolCachesTest, DefaultFoldersAreListedUnderTheToolsNameAndNothingElseOfTheirs) {
    const std::vector<std::pair<const char*, bool>> files = {
        {".npm/_cacache/content-v2/sha512/aa/x", true},
        {".npm/_logs/debug-0.log", false},
        {".npm/_npx/a1/package.json", false},
        {".local/share/pnpm/store/v10/files/00/x", true},
        {".local/share/pnpm/global/5/node_modules/tool/index.js", false},
        {".cargo/registry/cache/index.crates.io-6f17d22bba15001f/serde-1.0.0.crate", true},
        {".cargo/git/db/repo-0123456789abcdef/HEAD", true},
        {".cargo/bin/cargo-tool", false},
        {".cargo/registry/index/index.crates.io-6f17d22bba15001f/.cache/se/rd/serde", false},
        {".cargo/registry/src/index.crates.io-6f17d22bba15001f/serde-1.0.0/src/lib.rs", false},
        {".cargo/git/checkouts/repo-0123456789abcdef/abc/src/lib.rs", false},
        {".gradle/caches/modules-2/files-2.1/x.jar", true},
        {".gradle/wrapper/dists/gradle-8.5-bin/x/gradle-8.5.zip", true},
        {".gradle/gradle.properties", false},
        {".m2/repository/org/example/lib/1.0/lib-1.0.jar", true},
        {".m2/settings.xml", false},
        {"go/pkg/mod/example.com/m@v1.0.0/go.mod", true},
        {"go/bin/gopls", false},
        {".conda/pkgs/numpy-1.26/info/index.json", true},
        {"miniconda3/pkgs/python-3.12/info/index.json", true},
        {"miniconda3/conda-meta/history", false},
        {"anaconda3/pkgs/not-an-installation/x", false}, // no conda-meta beside it
    };
    for (const auto& [path, cache] : files)
        file(path, 100);
    ByteCount total = 0;
    EXPECT_EQ(found(&total), (Found{{"npm", ".npm/_cacache"},
                                    {"pnpm", ".local/share/pnpm/store"},
                                    {"Cargo", ".cargo/registry/cache"},
                                    {"Cargo", ".cargo/git/db"},
                                    {"Gradle", ".gradle/caches"},
                                    {"Gradle", ".gradle/wrapper/dists"},
                                    {"Maven", ".m2/repository"},
                                    {"Go", "go/pkg/mod"},
                                    {"Conda", ".conda/pkgs"},
                                    {"Conda", "miniconda3/pkgs"}}));
    ByteCount expected = 0;
    for (const auto& [path, cache] : files)
        expected += cache ? 100 : 0;
    EXPECT_EQ(total, expected);
}

TEST_F(ToolCachesTest, VariablesMoveThemOnlyInsideTheHome) {
    const std::string h = home.native();
    struct Case {
        const char* name;
        std::map<std::string, std::string> variables;
        std::vector<const char*> files;
        Found expected;
    };
    const Case cases[] = {
        {"inside the home",
         {{"CARGO_HOME", h + "/rust/cargo"},
          {"GRADLE_USER_HOME", h + "/g/"},
          {"npm_config_cache", h + "/npm-cache"},
          {"GOMODCACHE", h + "/gomod"},
          {"CONDA_PKGS_DIRS", h + "/cpkgs,/opt/conda/pkgs," + h + "/.conda/pkgs"}},
         {"rust/cargo/registry/cache/c", ".cargo/registry/cache/old", "g/caches/c", "npm-cache/_cacache/c",
          "gomod/example.com/c", "go/pkg/mod/old", "cpkgs/c", ".conda/pkgs/c"},
         {{"Cargo", "rust/cargo/registry/cache"},
          {"Gradle", "g/caches"},
          {"npm", "npm-cache/_cacache"},
          {"Go", "gomod"},
          {"Conda", "cpkgs"},
          {"Conda", ".conda/pkgs"}}},
        {"outside the home: the defaults",
         {{"CARGO_HOME", (tmp / "elsewhere/cargo").native()},
          {"GOMODCACHE", "relative/gomod"},
          {"GRADLE_USER_HOME", h + "/../other/.gradle"}},
         {".cargo/registry/cache/c", "go/pkg/mod/c", ".gradle/caches/c"},
         {{"Cargo", ".cargo/registry/cache"}, {"Go", "go/pkg/mod"}, {"Gradle", ".gradle/caches"}}},
        {"GOPATH's first entry",
         {{"GOPATH", h + "/gp:" + h + "/other"}},
         {"gp/pkg/mod/c", "other/pkg/mod/c", "go/pkg/mod/c"},
         {{"Go", "gp/pkg/mod"}}},
        {"a folder holding a base folder, or inside the cache folder, is not a tool's cache",
         {{"npm_config_store_dir", h + "/.local"}, {"GOMODCACHE", h + "/.cache/gomod"}},
         {".local/share/app/data", ".cache/gomod/c"},
         {{"gomod", ".cache/gomod"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(home);
        fs::create_directories(home);
        environment = c.variables;
        for (const char* f : c.files)
            file(f, 10);
        EXPECT_EQ(found(), c.expected);
    }
}

TEST_F(ToolCachesTest, AToolFolderReachedThroughALinkIsNotScannedButNamed) {
    tree.file("elsewhere/cargo/registry/cache/c", 10);
    tree.file("elsewhere/mod/m/c", 10);
    fs::create_symlink(tmp / "elsewhere/cargo", home / ".cargo");
    file("go/pkg/.keep", 1);
    fs::create_symlink(tmp / "elsewhere/mod", home / "go/pkg/mod");
    file(".npm/_cacache/c", 10);
    LinuxLayout l = layout();
    ByteCount total = 0;
    std::vector<std::string> listed;
    for (const auto& c : l.caches(sizes, total))
        listed.push_back(c->url.lexically_relative(home).native());
    EXPECT_EQ(listed, std::vector<std::string>{".npm/_cacache"});
    std::set<Location> skipped;
    for (const SkippedPlace& s : l.skipped())
        skipped.insert(s.location);
    EXPECT_EQ(skipped, (std::set<Location>{home / ".cargo", home / "go/pkg/mod"}));
}

} // namespace
