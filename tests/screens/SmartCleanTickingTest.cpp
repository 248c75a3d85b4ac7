// The results screen's ticking arithmetic: sequences of clicks on category
// and entry boxes, each followed by the category's shown size, its tick
// state, the entries' states and the selected total. Every sequence runs
// through each way a box can be ticked: the screen's actions, the model (as
// an accessibility tool does), a mouse click on the drawn box and Space on
// the focused row.

#include "platform/ByteCountFormatter.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanOutlineView.h"

#include "GuiTestSupport.h"
#include "ResultsFixture.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

using Tick = SmartCleanViewController::Tick;
using Model = SmartCleanOutlineModel;

enum class Via { Action, Model, Mouse, Space };

struct Step {
    int category;
    int position; // -1: the category's box
    ByteCount size;
    Tick tick;
    std::vector<bool> entries; // the category's entries, ticked or not
    ByteCount junk;
};

struct Sequence {
    const char* name;
    std::vector<Step> steps;
};

// All selected at first: 600 + 50 + 100 + 1500 + 0 + 40 + 30.
constexpr ByteCount kAll = 2320;

const Sequence kSequences[] = {
    {"UntickTheLastEntryShowsTheFullTotalAndCountsNothing",
     {{1, 0, 50, Tick::Off, {false}, kAll - 50}, {1, 0, 50, Tick::On, {true}, kAll}}},
    {"EntriesOneByOne",
     {{0, 0, 500, Tick::Mixed, {false, true, true}, kAll - 100},
      {0, 1, 300, Tick::Mixed, {false, false, true}, kAll - 300},
      {0, 2, 600, Tick::Off, {false, false, false}, kAll - 600},
      {0, 1, 200, Tick::Mixed, {false, true, false}, kAll - 400},
      {0, 0, 300, Tick::Mixed, {true, true, false}, kAll - 300},
      {0, 2, 600, Tick::On, {true, true, true}, kAll}}},
    {"OneEntryOfAnUntickedCategoryThenTheMixedBox",
     {{0, -1, 600, Tick::Off, {false, false, false}, kAll - 600},
      {0, 2, 300, Tick::Mixed, {false, false, true}, kAll - 300},
      {0, -1, 600, Tick::On, {true, true, true}, kAll}}},
    {"MixedBoxAfterUntickingSelectsEverything",
     {{3, 1, 1000, Tick::Mixed, {true, false}, kAll - 500},
      {3, -1, 1500, Tick::On, {true, true}, kAll},
      {3, -1, 1500, Tick::Off, {false, false}, kAll - 1500}}},
    {"TheOnlyEntryOfAnUntickedCategoryTicksTheCategory",
     {{5, -1, 40, Tick::Off, {false}, kAll - 40}, {5, 0, 40, Tick::On, {true}, kAll}}},
    {"LeftoversWithSeveralFiles",
     {{2, 0, 30, Tick::Mixed, {false, true}, kAll - 70}, {2, 1, 100, Tick::Off, {false, false}, kAll - 100}}},
};

class SmartCleanTickingTest : public ::testing::TestWithParam<std::tuple<Sequence, Via>> {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
    }
    void TearDown() override { test::setTimeFactors(1, 1); }

    void click(SmartCleanViewController& s, int c, int position, Via via) {
        Model* model = s.outlineModel();
        const QModelIndex row = position < 0 ? model->categoryIndex(c) : model->entryIndex(c, position);
        const auto shown = static_cast<Qt::CheckState>(row.data(Qt::CheckStateRole).toInt());
        const Qt::CheckState next = shown == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        switch (via) {
        case Via::Action:
            if (position < 0) // the box reports its new state; a mixed box reports mixed
                s.select_smart_outline_item(c, shown == Qt::PartiallyChecked ? Qt::PartiallyChecked : next);
            else
                s.select_item(row, next == Qt::Checked);
            break;
        case Via::Model:
            ASSERT_TRUE(model->setData(row, next, Qt::CheckStateRole));
            break;
        case Via::Mouse:
            s.outlineview()->scrollTo(row);
            QTest::mouseClick(s.outlineview()->viewport(), Qt::LeftButton, {},
                              s.outlineview()->checkBoxCenter(row));
            break;
        case Via::Space:
            s.outlineview()->setFocus();
            s.outlineview()->setCurrentIndex(row);
            QTest::keyClick(s.outlineview(), Qt::Key_Space);
            break;
        }
    }
};

TEST_P(SmartCleanTickingTest, SizesStatesAndTotalFollowEveryClick) {
    const auto& [sequence, via] = GetParam();
    test::ResultsFixture results;
    SmartCleanViewController& s = results.open();
    for (int c = 0; c < 7; ++c)
        s.outlineview()->expand(s.outlineModel()->categoryIndex(c));
    ASSERT_EQ(s.smart_junk, kAll);

    int n = 0;
    for (const Step& step : sequence.steps) {
        SCOPED_TRACE(::testing::Message() << "step " << n++);
        click(s, step.category, step.position, via);
        const QModelIndex category = s.outlineModel()->categoryIndex(step.category);
        EXPECT_EQ(s.outlineItems[step.category]->size, step.size);
        EXPECT_EQ(s.tickState(step.category), step.tick);
        EXPECT_EQ(category.data(Qt::CheckStateRole).toInt(), step.tick == Tick::On    ? Qt::Checked
                                                             : step.tick == Tick::Off ? Qt::Unchecked
                                                                                      : Qt::PartiallyChecked);
        // With nothing selected the full total is shown, at half opacity.
        EXPECT_DOUBLE_EQ(category.data(Model::SizeOpacityRole).toDouble(),
                         step.tick == Tick::Off ? 0.5 : 1.0);
        EXPECT_EQ(category.siblingAtColumn(Model::SizeColumn).data().toString(), formatByteCount(step.size));
        for (std::size_t i = 0; i < step.entries.size(); ++i) {
            const QModelIndex entry = s.outlineModel()->entryIndex(step.category, int(i));
            EXPECT_EQ(entry.data(Qt::CheckStateRole).toInt(), step.entries[i] ? Qt::Checked : Qt::Unchecked)
                << i;
            EXPECT_DOUBLE_EQ(entry.data(Model::SizeOpacityRole).toDouble(), step.entries[i] ? 1.0 : 0.5) << i;
        }
        EXPECT_EQ(s.smart_junk, step.junk);
        EXPECT_EQ(s.sizeLabel()->text(), formatByteCountInList(step.junk));
        EXPECT_TRUE(s.outlineModel()->isConsistent());
    }
    // The engine's own rows are never changed by the screen.
    EXPECT_EQ(results.engine.smart_outline_items[0]->size, 600);
    EXPECT_EQ(results.engine.smart_outline_items[3]->size, 1500);
}

// An installer found inside a ticked package goes with it, so it adds
// nothing to the category's size or the selected total while its package is
// ticked; alone it counts its own size.
TEST(SmartCleanNestedTest, ALocationInsideAnotherTickedOneCountsOnce) {
    test::resetSettings();
    test::setTimeFactors(0, 0);
    test::ResultsFixture results;
    const Location outer = results.tmp / "Support/Bundle.pkg";
    const Location inner = outer / "Contents/Inner.pkg";
    const Location other = results.tmp / "Downloads/setup.dmg";
    results.setCategory(5,
                        {test::ResultsFixture::file(outer, 500), test::ResultsFixture::file(inner, 200),
                         test::ResultsFixture::file(other, 40)},
                        540);
    results.engine.scanned_sizes = {{outer.native(), 500}, {inner.native(), 200}, {other.native(), 40}};
    results.finish();
    SmartCleanViewController& s = results.open();
    const ByteCount rest = kAll - 40;
    ASSERT_EQ(s.smart_junk, rest + 540);
    const struct {
        int position;
        bool on;
        ByteCount size;
    } steps[] = {{1, false, 540}, {1, true, 540}, {0, false, 240}, {1, false, 40}, {0, true, 540}};
    for (const auto& step : steps) {
        SCOPED_TRACE(::testing::Message() << "entry " << step.position << (step.on ? " on" : " off"));
        s.select_item(s.outlineModel()->entryIndex(5, step.position), step.on);
        EXPECT_EQ(s.outlineItems[5]->size, step.size);
        EXPECT_EQ(s.smart_junk, rest + step.size);
    }
    test::setTimeFactors(1, 1);
}

std::string nameOf(const ::testing::TestParamInfo<std::tuple<Sequence, Via>>& info) {
    static const char* const vias[] = {"Action", "Model", "Mouse", "Space"};
    return std::string(std::get<0>(info.param).name) + "_" + vias[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Sequences, SmartCleanTickingTest,
                         ::testing::Combine(::testing::ValuesIn(kSequences),
                                            ::testing::Values(Via::Action, Via::Model, Via::Mouse,
                                                              Via::Space)),
                         nameOf);

} // namespace
} // namespace dovrel
