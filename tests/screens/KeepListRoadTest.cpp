// The keep list on the desktop road: a path kept in any spelling is neither
// offered by the scan nor handed over by Remove, while everything else is.

#include "engine/Cleaner.h"
#include "engine/KeepList.h"
#include "platform/Defaults.h"
#include "platform/gui/UserAccount.h"
#include "screens/results/SmartCleanViewController.h"

#include "GuiTestSupport.h"
#include "ResultsFixture.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

namespace dovrel {
namespace {

TEST(KeepListRoadTest, AKeptPathInAnySpellingIsNeverHandedOver) {
    test::resetSettings();
    test::setTimeFactors(0, 0);
    const struct {
        const char* name;
        std::string spelling; // below tmp
    } cases[] = {
        {"as it is", "H/.Trash/report.pdf"},
        {"trailing slash", "H/.Trash/Folder/"},
        {"doubled slashes", "H//.Trash//report.pdf"},
        {"dot components", "H/./.Trash/./report.pdf"},
        {"through a linked parent", "homelink/.Trash/report.pdf"},
        {"a link to the item", "itemlink"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ResultsFixture results;
        const Location home = results.tmp / UserAccount::loginName().toStdString();
        test::FixtureTree::makeHomeSkeleton(home);
        test::FixtureTree tree(home);
        tree.file(".Trash/report.pdf", 300);
        tree.file(".Trash/Folder/inside.txt", 200);
        tree.file(".Trash/other.bin", 100);
        std::filesystem::create_directory_symlink(home, results.tmp / "homelink");
        std::filesystem::create_symlink(home / ".Trash/report.pdf", results.tmp / "itemlink");
        const bool folder = c.spelling.find("Folder") != std::string::npos;
        const Location kept = home / (folder ? ".Trash/Folder" : ".Trash/report.pdf");

        Defaults store(QStringLiteral("kept"), results.tmp / "kept.json");
        KeepList list(store);
        std::string spelling = c.spelling;
        if (spelling.starts_with("H"))
            spelling.replace(0, 1, home.filename().native());
        std::string error;
        ASSERT_TRUE(list.add(results.tmp / spelling, error)) << error;

        Cleaner& engine = results.engine;
        engine.keep_list = &list;
        engine.setNextLocations(home, std::nullopt);
        ASSERT_TRUE(engine.takeNextLocations());
        engine.smart_clean_with_complete_handler({});
        SmartCleanViewController& s = results.open();
        s.remove();
        EXPECT_EQ(std::count(engine.files.begin(), engine.files.end(), kept), 0);
        EXPECT_EQ(std::count(engine.files.begin(), engine.files.end(), home / ".Trash/other.bin"), 1);
        EXPECT_EQ(engine.kept_locations.size(), 1u);
    }
    test::setTimeFactors(1, 1);
}

} // namespace
} // namespace dovrel
