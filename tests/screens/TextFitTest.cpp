// Every text fits the room its screen gives it, in every language the
// application ships: a label or button whose text is wider than its rect (or,
// wrapped, taller) is cut off for the user. Home, results and Preferences are
// walked in each language; the clipped ones are named, and each screen is
// saved as <build>/screenshots/lang-<language>-<screen>.png.

#include "engine/Cleaner.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "platform/Translations.h"
#include "platform/gui/UserAccount.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanViewController.h"
#include "shell/AppStyle.h"
#include "shell/CleanerWindowController.h"
#include "shell/ScreenFactory.h"
#include "shell/ViewController.h"

#include "GuiTestSupport.h"
#include "SchedulerFixture.h"
#include "support/FixtureTree.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStyle>
#include <QThreadPool>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

// "name: text (needs W×H, has w×h)" for each visible text that does not fit.
QStringList clippedTexts(QWidget* root) {
    QStringList out;
    auto check = [&](QWidget* w, const QString& text, bool wraps) {
        if (!w->isVisibleTo(root) || text.isEmpty() || w->width() <= 0)
            return;
        const QFontMetrics metrics(w->font());
        const QRect room = w->contentsRect();
        QSize needs;
        if (wraps) {
            needs = metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text).size();
            needs.setWidth(0);
        } else {
            needs = QSize(metrics.horizontalAdvance(text), metrics.height());
        }
        // A pixel of rounding either way is no clipping.
        if (needs.width() > room.width() + 1 || needs.height() > room.height() + 1)
            out << QStringLiteral("%1 “%2” (needs %3×%4, has %5×%6)")
                       .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                      : w->objectName(),
                            text)
                       .arg(needs.width())
                       .arg(needs.height())
                       .arg(room.width())
                       .arg(room.height());
    };
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->textFormat() != Qt::RichText && label->pixmap().isNull())
            check(label, label->text(), label->wordWrap());
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        // The button's own margins: what its style gives the text.
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (button->icon().isNull() && button->width() > 2 * margin) {
            const QFontMetrics metrics(button->font());
            QString text = button->text();
            text.remove(QLatin1Char('&'));
            if (!text.isEmpty() && button->isVisibleTo(root) &&
                metrics.horizontalAdvance(text) > button->width() - margin + 1)
                out << QStringLiteral("%1 “%2” (needs %3, has %4)")
                           .arg(button->objectName(), text)
                           .arg(metrics.horizontalAdvance(text))
                           .arg(button->width() - margin);
        }
    }
    return out;
}

class TextFitTest : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        test::resetSettings();
        test::setTimeFactors(0, 0);
        AppStyle::apply(*qApp);
        test::FixtureTree::makeHomeSkeleton(home);
        test::FixtureTree(home).file("Library/Logs/install.log", 2'100'000);
        test::FixtureTree(home).file(".Trash/old-movie.mov", 5'000'000);
        std::filesystem::create_directories(apps);
        services.schedulerSwitch = &scheduler.schedulerSwitch;
        services.cleaner = [this] { return &engine; };
        ScreenCatalogue::registerAll(factory, services);
        Defaults::standard().setData(QStringLiteral("home"), *Grant::create(home));
        Defaults::standard().setData(QStringLiteral("Applications"), *Grant::create(apps));
        Defaults::standard().setBool(QStringLiteral("PrivacyAccess"), true);
    }
    void TearDown() override {
        QThreadPool::globalInstance()->waitForDone(30000);
        test::spin(50);
        window.reset();
        test::spin();
        qApp->setStyleSheet(QString());
        QLocale::setDefault(QLocale::c());
        test::setTimeFactors(1, 1);
    }

    test::SchedulerFixture scheduler;
    std::filesystem::path home = scheduler.tmp / UserAccount::loginName().toStdString();
    std::filesystem::path apps = scheduler.tmp / "Applications";
    Cleaner engine{home};
    ScreenServices services;
    ScreenFactory factory;
    std::unique_ptr<CleanerWindowController> window;
};

TEST_P(TextFitTest, EveryTextFitsOnHomeResultsAndPreferences) {
    const QLocale locale(GetParam());
    QLocale::setDefault(locale);
    const Translations translations(locale);
    window = std::make_unique<CleanerWindowController>(factory);
    window->windowDidLoad();
    window->show();
    test::spin(30);
    EXPECT_EQ(clippedTexts(window.get()), QStringList()) << "home";
    const QString shot = QStringLiteral("lang-%1-").arg(GetParam());
    const bool english = GetParam() == QLatin1String("en");
    // What a screen reader hears is the language's own text.
    auto* scan = window->findChild<QWidget*>(QStringLiteral("scan"));
    ASSERT_NE(scan, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(scan)->text(QAccessible::Description) ==
                  QStringLiteral("Starts a smart scan"),
              english);
    test::saveScreenshot(window.get(), shot + QStringLiteral("home"));
    {
        // The check itself sees a text cut off.
        const auto before = clippedTexts(window.get()).size();
        QLabel narrow(QStringLiteral("A text far wider than ten pixels"), window.get());
        narrow.setGeometry(0, 0, 10, 30);
        narrow.show();
        EXPECT_EQ(clippedTexts(window.get()).size(), before + 1);
    }

    NotificationCenter::defaultCenter().post(QStringLiteral("smart_scan_view_controller"));
    ASSERT_TRUE(test::waitFor(
        [&] {
            return qobject_cast<SmartCleanViewController*>(
                       window->contentViewController()->viewcontrollerC()) != nullptr;
        },
        30000));
    test::spin(30);
    EXPECT_EQ(clippedTexts(window.get()), QStringList()) << "results";
    auto* results =
        qobject_cast<SmartCleanViewController*>(window->contentViewController()->viewcontrollerC());
    EXPECT_EQ(results->outlineModel()->categoryIndex(0).data(Qt::AccessibleTextRole).toString() ==
                  QStringLiteral("Applications caches"),
              english);
    test::saveScreenshot(window.get(), shot + QStringLiteral("results"));

    window->showPreferences();
    test::spin(30);
    ASSERT_NE(window->preferencesWindow(), nullptr);
    EXPECT_EQ(clippedTexts(window->preferencesWindow()), QStringList()) << "preferences";
    test::saveScreenshot(window->preferencesWindow(), shot + QStringLiteral("preferences"));
}

// English, and every language whose translation the application carries.
std::vector<QString> languages() {
    std::vector<QString> out{QStringLiteral("en")};
    for (const QString& file :
         QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("dovrel-cleaner_*.qm")}))
        out.push_back(file.mid(15, file.size() - 15 - 3));
    return out;
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest, ::testing::ValuesIn(languages()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });

} // namespace
} // namespace dovrel
