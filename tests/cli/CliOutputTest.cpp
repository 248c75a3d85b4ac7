#include "cli/CliProcess.h"
#include "cli/SampleHome.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace dovrel;
using namespace dovrel::test;

namespace {

class CliOutputTest : public ::testing::Test {
protected:
    TempDir tmp;
    SampleHome::Result made = SampleHome::build(tmp / "sample", 20, QStringLiteral("ann"));
    std::filesystem::path config = tmp / "config";

    std::vector<std::string> folders(const char* command, std::vector<std::string> extra) const {
        std::vector<std::string> a{command, "--home", made.home.string(), "--applications",
                                   made.applications.string()};
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    }
    std::size_t countAll() const {
        std::size_t n = 0;
        for (auto it = std::filesystem::recursive_directory_iterator(tmp / "sample"); it != decltype(it)();
             ++it)
            ++n;
        return n;
    }
};

// Output that cannot be written is a failure: a message on stderr and a
// non-zero status. A clean whose plan cannot be shown removes nothing.
TEST_F(CliOutputTest, AnOutputThatCannotBeWrittenFailsAndACleanRemovesNothing) {
    const std::vector<std::vector<std::string>> runs = {
        folders("scan", {"--json"}),
        folders("scan", {"--entries"}),
        folders("clean", {}),
        folders("clean", {"--yes", "--json"}),
        folders("clean", {"--yes"}),
        {"sample-home", (tmp / "another").string()},
        {"--help"},
    };
    for (const auto& args : runs) {
        const std::size_t before = countAll();
        auto r = runCli(args, config, 60000, QStringLiteral("/dev/full"));
        EXPECT_NE(r.exitCode, 0) << args[0] << " " << args.back();
        EXPECT_TRUE(r.err.contains("cannot write")) << args[0] << ": " << r.err.toStdString();
        if (args[0] == "clean") {
            EXPECT_EQ(countAll(), before) << args.back();
        }
    }
}

// Names are shown with their control characters and undecodable bytes
// escaped, so a name can neither move the cursor nor hide what stands beside it.
TEST_F(CliOutputTest, ControlCharactersAndBadBytesAreEscapedInHumanOutput) {
    FixtureTree home(made.home);
    home.file(".Trash/hide\r\x1b[2Kme.txt", 10);
    home.file("Library/Caches/evil\x1b]0;t\x07\xc2\x9b\x7f"
              "cache/blob",
              10);
    home.file(".Trash/back\\x1bslash", 10);
    struct Run {
        std::vector<std::string> args;
        bool listsNames; // else a usage error naming the --keep path
    };
    const Run runs[] = {
        {folders("scan", {"--entries"}), true},
        {folders("clean", {}), true},
        {folders("clean", {"--only", "trash", "caches", "--yes"}), true},
        {folders("clean", {"--keep", (made.home / "nowhere\x1b[2J").string()}), false},
    };
    for (const Run& run : runs) {
        auto r = runCli(run.args, config);
        const std::string shown = run.args[0] + " " + run.args.back();
        const QByteArray all = r.out + r.err;
        for (char c : all) {
            const auto b = static_cast<unsigned char>(c);
            EXPECT_TRUE(b == '\n' || (b >= 0x20 && b != 0x7f)) << shown << ": raw byte " << int(b);
        }
        EXPECT_FALSE(all.contains("\xc2\x9b")) << shown << ": raw C1 control";
        EXPECT_TRUE(QString::fromUtf8(all).toUtf8() == all) << shown << ": not valid UTF-8";
        if (run.listsNames) {
            EXPECT_TRUE(r.out.contains("hide\\r\\x1b[2Kme.txt")) << r.out.toStdString();
            EXPECT_TRUE(r.out.contains("evil\\x1b]0;t\\x07\\u009b\\x7fcache")) << r.out.toStdString();
            EXPECT_TRUE(r.out.contains("r\\xe9sum\\xe9.doc")) << r.out.toStdString();
            EXPECT_TRUE(r.out.contains("back\\\\x1bslash")) << r.out.toStdString();
        } else {
            EXPECT_TRUE(r.err.contains("nowhere\\x1b[2J")) << r.err.toStdString();
        }
    }
}

// Every option that takes a value says what it needs when the value is missing.
TEST_F(CliOutputTest, AnOptionWithoutItsValueSaysWhatItNeeds) {
    const std::string home = made.home.string();
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"scan", "--home"}, "--home needs a folder"},
        {{"scan", "--home="}, "--home needs a folder"},
        {{"scan", "--home", "--json"}, "--home needs a folder"},
        {{"scan", "--home", home, "--applications"}, "--applications needs a folder"},
        {{"scan", "--home", home, "--threads"}, "--threads needs a count from 1 to 64"},
        {{"scan", "--home", home, "--threads", "--json"}, "--threads needs a count from 1 to 64"},
        {{"clean", "--home"}, "--home needs a folder"},
        {{"clean", "--home", home, "--applications"}, "--applications needs a folder"},
        {{"clean", "--home", home, "--threads"}, "--threads needs a count from 1 to 64"},
        {{"clean", "--home", home, "--only"}, "--only needs category tags"},
        {{"clean", "--home", home, "--keep", "--yes"}, "--keep needs paths"},
        {{"grant", "--home"}, "--home needs a folder"},
        {{"grant", "--home", home, "--applications"}, "--applications needs a folder"},
        {{"sample-home", (tmp / "s").string(), "--files"}, "--files needs a count"},
    };
    for (const Case& c : cases) {
        auto r = runCli(c.args, config);
        std::string shown;
        for (const auto& a : c.args)
            shown += a + " ";
        EXPECT_EQ(r.exitCode, 2) << shown;
        EXPECT_TRUE(r.err.contains(c.message)) << shown << "-> " << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << shown << "-> " << r.err.toStdString();
    }
    EXPECT_TRUE(std::filesystem::exists(made.home / "Downloads/Installer.dmg"));
    EXPECT_FALSE(std::filesystem::exists(tmp / "s"));
}

} // namespace
