#include "engine/BrowserChoice.h"
#include "engine/Cleaner.h"
#include "engine/HandOver.h"
#include "platform/Defaults.h"
#include "support/BrowserResults.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>

using namespace dovrel;
using Browser = BrowserChoice::Browser;

namespace {

class BrowserChoiceTest : public ::testing::Test {
protected:
    test::TempDir tmp;
    Defaults settings{QStringLiteral("browser-choice-test"), tmp / "settings.json"};
    Cleaner cleaner{std::nullopt};
    BrowserChoice choice{cleaner, settings};

    void store(Browser b, bool value) { settings.setBool(BrowserChoice::key(b), value); }
    std::vector<bool> chosen() const {
        return {choice.isChosen(Browser::chrome), choice.isChosen(Browser::mozilla),
                choice.isChosen(Browser::safari)};
    }
    // What browser_item must hold for the current choice: the chosen results'
    // locations in browser order, each once, and the sum of their sizes.
    void expectListMatchesChoice() const {
        std::vector<Location> expected;
        ByteCount size = 0;
        for (Browser b : BrowserChoice::kBrowsers) {
            if (!choice.isChosen(b))
                continue;
            for (const Location& l : *choice.result(b)->files)
                expected.push_back(l);
            size += choice.size(b);
        }
        ASSERT_TRUE(cleaner.browser_item->files);
        const std::vector<Location>& files = *cleaner.browser_item->files;
        EXPECT_EQ(files, expected);
        EXPECT_EQ(std::set<Location>(files.begin(), files.end()).size(), files.size()) << "a location twice";
        EXPECT_EQ(cleaner.browser_item->size, size);
    }
};

TEST_F(BrowserChoiceTest, StartsFromTheStoredKeysAndOnlyFoundBrowsersCount) {
    struct Case {
        const char* name;
        std::optional<ByteCount> size; // absent: not found by the scan
        std::optional<bool> stored;    // absent: never written
        bool found, chosen;
        bool running = false; // the browser was running on its data
    };
    const Case cases[] = {
        {"found, never chosen: follows the outline", 500, std::nullopt, true, true},
        {"found, stored YES", 500, true, true, true},
        {"found, stored NO", 500, false, true, false},
        {"not found, stored YES", std::nullopt, true, false, false},
        {"not found, never chosen", std::nullopt, std::nullopt, false, false},
        {"found with zero bytes, never chosen", 0, std::nullopt, false, false},
        {"found with zero bytes, stored YES", 0, true, false, false},
        {"found while running, never chosen", 500, std::nullopt, true, false, true},
        {"found while running, stored YES", 500, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::putBrowserResults(cleaner, {c.size, 300, std::nullopt});
        if (c.running)
            cleaner.browser_chrome_item->in_use_by = {QStringLiteral("Google Chrome")};
        settings.removeObjectForKey(BrowserChoice::key(Browser::chrome));
        if (c.stored)
            store(Browser::chrome, *c.stored);
        EXPECT_EQ(choice.found(Browser::chrome), c.found);
        EXPECT_EQ(choice.isChosen(Browser::chrome), c.chosen);
        EXPECT_EQ(choice.stored(Browser::chrome), c.stored);
        // The others are untouched by Chrome's key.
        EXPECT_TRUE(choice.isChosen(Browser::mozilla));
        EXPECT_FALSE(choice.isChosen(Browser::safari));
    }
}

TEST_F(BrowserChoiceTest, DataOfARunningBrowserIsChosenOnlyWhenAskedFor) {
    test::putBrowserResults(cleaner, {500, 300, std::nullopt});
    cleaner.browser_chrome_item->in_use_by = {QStringLiteral("Chromium")};
    EXPECT_EQ(chosen(), (std::vector<bool>{false, true, false}));
    ASSERT_TRUE(choice.setChosen(Browser::chrome, true));
    EXPECT_EQ(chosen(), (std::vector<bool>{true, true, false}));
    expectListMatchesChoice();
}

TEST_F(BrowserChoiceTest, AStoredValueThatIsNotABooleanChoosesNothing) {
    test::putBrowserResults(cleaner, {500, 300, 200});
    settings.setData(BrowserChoice::key(Browser::mozilla), QByteArray("yes"));
    settings.setInteger(BrowserChoice::key(Browser::safari), 0);
    EXPECT_EQ(chosen(), (std::vector<bool>{true, false, false}));
}

TEST_F(BrowserChoiceTest, TickingWhatTheScanCountedAlreadyCountsItOnce) {
    test::putBrowserResults(cleaner, {500, 300, 200});
    ASSERT_TRUE(choice.setChosen(Browser::chrome, true));
    EXPECT_EQ(cleaner.browser_item->size, 1000);
    EXPECT_EQ(cleaner.browser_item->files->size(), 5u);
    expectListMatchesChoice();
}

TEST_F(BrowserChoiceTest, TickThenUntickGivesTheEarlierListAndSizeBack) {
    test::putBrowserResults(cleaner, {500, 300, 200});
    store(Browser::chrome, false);
    ASSERT_TRUE(choice.setChosen(Browser::safari, true)); // the list now exists: Firefox and Safari
    const std::vector<Location> before = *cleaner.browser_item->files;
    const ByteCount sizeBefore = cleaner.browser_item->size;
    EXPECT_EQ(sizeBefore, 500);

    ASSERT_TRUE(choice.setChosen(Browser::chrome, true));
    EXPECT_EQ(cleaner.browser_item->size, 1000);
    ASSERT_TRUE(choice.setChosen(Browser::chrome, false));
    EXPECT_EQ(*cleaner.browser_item->files, before);
    EXPECT_EQ(cleaner.browser_item->size, sizeBefore);
}

TEST_F(BrowserChoiceTest, NoSequenceOfChangesEverHoldsALocationTwice) {
    test::putBrowserResults(cleaner, {500, 300, 200});
    const std::pair<Browser, bool> steps[] = {
        {Browser::chrome, true},   {Browser::chrome, true},  {Browser::mozilla, false},
        {Browser::safari, true},   {Browser::mozilla, true}, {Browser::mozilla, true},
        {Browser::chrome, false},  {Browser::chrome, false}, {Browser::safari, false},
        {Browser::mozilla, false}, {Browser::safari, true},  {Browser::chrome, true},
    };
    for (const auto& [browser, on] : steps) {
        SCOPED_TRACE(BrowserChoice::key(browser).toStdString() + (on ? " on" : " off"));
        ASSERT_TRUE(choice.setChosen(browser, on));
        EXPECT_EQ(choice.isChosen(browser), on);
        expectListMatchesChoice();
    }
    EXPECT_EQ(chosen(), (std::vector<bool>{true, false, true}));
}

TEST_F(BrowserChoiceTest, DroppingEveryBrowserLeavesAnEmptyListNotTheStoredChoice) {
    test::putBrowserResults(cleaner, {500, 300, std::nullopt});
    for (Browser b : {Browser::chrome, Browser::mozilla})
        ASSERT_TRUE(choice.setChosen(b, false));
    EXPECT_EQ(chosen(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(cleaner.browser_item->files->empty());
    EXPECT_EQ(cleaner.browser_item->size, 0);
}

TEST_F(BrowserChoiceTest, ABrowserThatWasNotFoundCannotBeChosen) {
    test::putBrowserResults(cleaner, {500, std::nullopt, 0});
    EXPECT_FALSE(choice.setChosen(Browser::mozilla, true));
    EXPECT_FALSE(choice.setChosen(Browser::safari, true));
    EXPECT_FALSE(cleaner.browser_item->files) << "nothing changed";

    Cleaner unscanned(std::nullopt);
    BrowserChoice none(unscanned, settings);
    EXPECT_FALSE(none.setChosen(Browser::chrome, true));
    EXPECT_FALSE(none.isChosen(Browser::chrome));
}

TEST_F(BrowserChoiceTest, TheChoiceOfThisScanWinsOverTheKeysUntilTheNextScan) {
    test::putBrowserResults(cleaner, {500, 300, 200});
    ASSERT_TRUE(choice.setChosen(Browser::mozilla, false)); // the outline unticked Firefox; key not written
    EXPECT_EQ(chosen(), (std::vector<bool>{true, false, true}));
    test::putBrowserResults(cleaner, {500, 300, 200}); // a new scan
    EXPECT_EQ(chosen(), (std::vector<bool>{true, true, true}));
}

TEST_F(BrowserChoiceTest, OnlyTheEnginesOwnBrowserRecordsAreChosen) {
    test::putBrowserResults(cleaner, {500, 300, 200});
    const auto earlier = cleaner.browser_chrome_item;
    EXPECT_TRUE(choice.isChosen(*earlier));
    test::putBrowserResults(cleaner, {500, 300, 200});
    EXPECT_FALSE(choice.isChosen(*earlier)) << "a record of an earlier scan";
    CleanerItem mail = *cleaner.browser_chrome_item;
    mail.group = QStringLiteral("mail-clients");
    EXPECT_FALSE(choice.isChosen(mail));
    EXPECT_EQ(BrowserChoice::browserOf(mail), std::nullopt);
}

TEST_F(BrowserChoiceTest, TheHandOverOfTheBrowsersCategoryFollowsTheChoice) {
    test::putBrowserResults(cleaner, {500, 300, 200});
    store(Browser::safari, false);
    ASSERT_TRUE(choice.setChosen(Browser::mozilla, false));
    ASSERT_TRUE(choice.setChosen(Browser::mozilla, true));
    // The results screen selects a browser row exactly when it is chosen.
    const std::vector<Location> handed =
        HandOver::build(cleaner, [&](const QString& tag, const ResultEntry& e) {
            return tag == QLatin1String("browsers") &&
                   choice.isChosen(*std::get<std::shared_ptr<CleanerItem>>(e));
        });
    EXPECT_EQ(handed, *cleaner.browser_item->files);
    EXPECT_EQ(handed.size(), 4u); // Chrome's two, Firefox's two; Safari stays
}

} // namespace
