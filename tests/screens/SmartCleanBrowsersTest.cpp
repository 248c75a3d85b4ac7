// The results screen's browsers category and the browser choice it shares
// with the browser-selection window: the stored keys decide the start, the
// window's changes show in the outline, the outline's ticks change what the
// window shows, and the hand-over holds exactly the chosen browsers' files.

#include "engine/BrowserChoice.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "shell/NotificationNames.h"

#include "GuiTestSupport.h"
#include "ResultsFixture.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <set>

namespace dovrel {
namespace {

using Browser = BrowserChoice::Browser;
constexpr int kBrowsers = SmartCleanViewController::kBrowsers;

// Everything but the browsers: 600 + 50 + 100 + 40 + 30.
constexpr ByteCount kOthers = 820;

class SmartCleanBrowsersTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        // Firefox's profile also holds a location Chrome reports: the
        // hand-over must still list it once.
        results.engine.browser_mozilla_item->files->push_back(results.tmp / "Chrome/Storage");
    }
    void TearDown() override {
        results.close();
        test::spin();
        for (Browser b : BrowserChoice::kBrowsers)
            Defaults::standard().removeObjectForKey(BrowserChoice::key(b));
        test::setTimeFactors(1, 1);
    }

    // What the outline shows of the browsers: the two entries' ticks, the
    // category's tick and size, the total; and what the window reads.
    void expectShown(SmartCleanViewController& s, bool chrome, bool mozilla) {
        const auto* model = s.outlineModel();
        const auto state = [](bool on) { return on ? Qt::Checked : Qt::Unchecked; };
        EXPECT_EQ(model->entryIndex(kBrowsers, 0).data(Qt::CheckStateRole).toInt(), state(chrome));
        EXPECT_EQ(model->entryIndex(kBrowsers, 1).data(Qt::CheckStateRole).toInt(), state(mozilla));
        const Qt::CheckState category =
            chrome && mozilla ? Qt::Checked : (chrome || mozilla ? Qt::PartiallyChecked : Qt::Unchecked);
        EXPECT_EQ(model->categoryIndex(kBrowsers).data(Qt::CheckStateRole).toInt(), category);
        const ByteCount shown = chrome == mozilla ? 1500 : (chrome ? 1000 : 500);
        EXPECT_EQ(s.outlineItems[kBrowsers]->size, shown);
        EXPECT_EQ(model->categoryIndex(kBrowsers)
                      .siblingAtColumn(SmartCleanOutlineModel::SizeColumn)
                      .data()
                      .toString(),
                  formatByteCount(shown));
        const ByteCount junk = kOthers + (chrome ? 1000 : 0) + (mozilla ? 500 : 0);
        EXPECT_EQ(s.smart_junk, junk);
        EXPECT_EQ(s.sizeLabel()->text(), formatByteCount(junk));
        const BrowserChoice choice(results.engine, Defaults::standard());
        EXPECT_EQ(choice.isChosen(Browser::chrome), chrome);
        EXPECT_EQ(choice.isChosen(Browser::mozilla), mozilla);
    }

    // The hand-over's browser locations, after checking that no location
    // appears twice.
    std::set<Location> handedOverBrowserFiles(SmartCleanViewController& s) {
        s.remove();
        const std::vector<Location>& files = results.engine.files;
        std::set<Location> browsers;
        EXPECT_EQ(std::set<Location>(files.begin(), files.end()).size(), files.size()) << "a location twice";
        for (const Location& f : files)
            if (f.parent_path() == results.tmp / "Chrome" || f.parent_path() == results.tmp / "Firefox")
                browsers.insert(f);
        return browsers;
    }
    std::set<Location> filesOf(bool chrome, bool mozilla) {
        std::set<Location> out;
        if (chrome)
            out.insert({results.tmp / "Chrome/Local Storage", results.tmp / "Chrome/Storage"});
        if (mozilla)
            out.insert({results.tmp / "Firefox/storage", results.tmp / "Chrome/Storage"});
        return out;
    }

    test::ResultsFixture results;
};

TEST_F(SmartCleanBrowsersTest, TheStoredChoiceDecidesTheStartAndTheHandOver) {
    struct Case {
        const char* name;
        std::optional<bool> chrome, mozilla; // stored keys; absent: no key
        bool chromeShown, mozillaShown;
    };
    const Case cases[] = {
        {"no keys: every browser found", std::nullopt, std::nullopt, true, true},
        {"Firefox NO", std::nullopt, false, true, false},
        {"Chrome NO, Firefox YES", false, true, false, true},
        {"both NO", false, false, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Defaults& settings = Defaults::standard();
        for (auto [browser, stored] : {std::pair{Browser::chrome, k.chrome}, {Browser::mozilla, k.mozilla}}) {
            if (stored)
                settings.setBool(BrowserChoice::key(browser), *stored);
            else
                settings.removeObjectForKey(BrowserChoice::key(browser));
        }
        results.finish(); // a new scan result starts again from the keys
        results.engine.browser_item->files.reset();
        SmartCleanViewController& s = results.open();
        expectShown(s, k.chromeShown, k.mozillaShown);
        EXPECT_EQ(handedOverBrowserFiles(s), filesOf(k.chromeShown, k.mozillaShown));
    }
}

// A browser running on its data when the scan looked: the row says why it is
// left, unticked, and nothing of it is handed over unless ticked.
TEST_F(SmartCleanBrowsersTest, ARunningBrowsersRowSaysWhyItIsLeftUnticked) {
    results.finish();
    results.engine.browser_item->files.reset();
    results.engine.browser_chrome_item->in_use_by = {QStringLiteral("Chromium")};
    SmartCleanViewController& s = results.open();
    expectShown(s, false, true);
    const QModelIndex chrome = s.outlineModel()->entryIndex(kBrowsers, 0);
    EXPECT_TRUE(chrome.data().toString().endsWith(QStringLiteral("Close Chromium to clean its site data")))
        << chrome.data().toString().toStdString();
    EXPECT_EQ(chrome.data(Qt::ToolTipRole).toString(),
              QStringLiteral("Close Chromium to clean its site data"));
    EXPECT_EQ(handedOverBrowserFiles(s), filesOf(false, true));
}

TEST_F(SmartCleanBrowsersTest, TheOutlineFollowsTheWindowsChangesAndTheWindowTheOutlines) {
    SmartCleanViewController& s = results.open();
    const auto windowChooses = [&](Browser b, bool on) {
        BrowserChoice choice(results.engine, Defaults::standard());
        ASSERT_TRUE(choice.setChosen(b, on));
        NotificationCenter::defaultCenter().post(
            QString::fromLatin1(NotificationNames::browsers_selection_changed));
    };
    const auto outlineTicks = [&](int position, bool on) {
        s.outlineModel()->setData(position < 0 ? s.outlineModel()->categoryIndex(kBrowsers)
                                               : s.outlineModel()->entryIndex(kBrowsers, position),
                                  on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    };
    struct Step {
        const char* name;
        std::function<void()> change;
        bool chrome, mozilla;
    };
    const Step steps[] = {
        {"window drops Chrome", [&] { windowChooses(Browser::chrome, false); }, false, true},
        {"outline unticks Firefox", [&] { outlineTicks(1, false); }, false, false},
        {"window chooses Chrome", [&] { windowChooses(Browser::chrome, true); }, true, false},
        {"outline ticks the category", [&] { outlineTicks(-1, true); }, true, true},
        {"outline unticks Chrome", [&] { outlineTicks(0, false); }, false, true},
        {"outline unticks the category", [&] { outlineTicks(-1, false); }, false, false},
        {"window chooses Firefox", [&] { windowChooses(Browser::mozilla, true); }, false, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        expectShown(s, step.chrome, step.mozilla);
        EXPECT_EQ(handedOverBrowserFiles(s), filesOf(step.chrome, step.mozilla));
    }
    // The outline changes this scan's choice only; nothing is stored.
    for (Browser b : BrowserChoice::kBrowsers)
        EXPECT_FALSE(Defaults::standard().hasKey(BrowserChoice::key(b)));
}

TEST_F(SmartCleanBrowsersTest, ABrowserWithNothingFoundCannotBeTicked) {
    auto safari =
        test::ResultsFixture::source("safari", "browsers", {results.tmp / "Safari/LocalStorage"}, 0);
    results.engine.browser_safari_item = safari;
    results.setCategory(3, {results.engine.browser_chrome_item, results.engine.browser_mozilla_item, safari});
    results.finish();
    SmartCleanViewController& s = results.open();
    const auto* model = s.outlineModel();
    EXPECT_EQ(model->entryIndex(kBrowsers, 2).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    s.select_item(model->entryIndex(kBrowsers, 2), true);
    s.select_smart_outline_item(kBrowsers, Qt::Checked);
    EXPECT_FALSE(s.isEntrySelected(kBrowsers, 2));
    EXPECT_FALSE(BrowserChoice(results.engine, Defaults::standard()).isChosen(Browser::safari));
    EXPECT_EQ(s.smart_junk, kOthers + 1500);
    s.remove();
    for (const Location& f : results.engine.files)
        EXPECT_NE(f, results.tmp / "Safari/LocalStorage");
}

} // namespace
} // namespace dovrel
