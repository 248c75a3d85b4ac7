#include "controls/Popover.h"
#include "engine/BrowserChoice.h"
#include "engine/Cleaner.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/Reporting.h"
#include "platform/gui/Workspace.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "screens/popovers/AboutBrowsers.h"
#include "screens/popovers/AboutPopover.h"
#include "screens/popovers/SelectBrowsers.h"
#include "shell/AppDelegate.h"
#include "shell/AppStyle.h"
#include "shell/CleanerWindowController.h"
#include "shell/ScreenFactory.h"
#include "shell/Storyboard.h"

#include "FakeFileManager.h"
#include "GuiTestSupport.h"
#include "scheduler/PrivateSessionBus.h"
#include "support/BrowserResults.h"
#include "support/FixtureTree.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <set>

namespace dovrel {
namespace {

using Browser = BrowserChoice::Browser;

class NoReporting : public Reporting {
public:
    void sendTrackingReport() override {}
    void setupIssuesController(bool) override {}
    std::optional<QString> takePendingIssueReport() override { return std::nullopt; }
    void showFeedbackDialog(QWidget*, int) override {}
};

class PopoversTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { bus_ = new test::PrivateSessionBus; }
    static void TearDownTestSuite() {
        delete bus_;
        bus_ = nullptr;
    }

    void SetUp() override {
        ASSERT_FALSE(bus_->address().isEmpty()) << bus_->error().toStdString();
        test::resetSettings();
        for (Browser b : BrowserChoice::kBrowsers)
            Defaults::standard().removeObjectForKey(BrowserChoice::key(b));
        test::setTimeFactors(0, 0);
        test::FixtureTree::makeHomeSkeleton(home);
        client_ = bus_->connect();
        Workspace::setFileManagerBus(QDBusConnection(client_.name()));
        Workspace::setURLOpener([this](const QUrl& url) {
            opened.append(QString::fromLatin1(url.toEncoded()));
            return true;
        });
        services.cleaner = [this] { return current; };
        ScreenCatalogue::registerAll(factory, services);
        NotificationCenter::defaultCenter().addObserver(
            &observer, QString::fromLatin1("browsers_selection_changed"), [this] { ++selectionChanged; });
    }
    void TearDown() override {
        test::spin();
        Workspace::setFileManagerBus(std::nullopt);
        Workspace::setURLOpener({});
        QDBusConnection::disconnectFromBus(client_.name());
        test::setTimeFactors(1, 1);
    }

    std::unique_ptr<Screen> make(const char* identifier) const {
        return Storyboard(QStringLiteral("SmartClean"), &factory)
            .instantiateControllerWithIdentifier(QString::fromLatin1(identifier));
    }
    static QString uri(const Location& path) {
        return QString::fromLatin1(Workspace::fileURL(path).toEncoded());
    }
    static std::set<Location> everythingUnder(const Location& root) {
        std::set<Location> all;
        for (const auto& e : std::filesystem::recursive_directory_iterator(root))
            all.insert(e.path());
        return all;
    }
    std::unique_ptr<SelectBrowsers> openSelectBrowsers() {
        auto screen = make("SelectBrowsers");
        auto* select = dynamic_cast<SelectBrowsers*>(screen.get());
        if (!select)
            return nullptr;
        screen.release();
        select->loadViewIfNeeded();
        return std::unique_ptr<SelectBrowsers>(select);
    }

    static test::PrivateSessionBus* bus_;
    QDBusConnection client_{QString()};
    test::TempDir tmp;
    // A home folder whose name is not valid UTF-8: revealing must keep its bytes.
    Location home = tmp / "ann\xe9";
    Cleaner engine{home};
    Cleaner homeless{std::nullopt};
    Cleaner* current = &engine;
    ScreenServices services;
    ScreenFactory factory;
    QStringList opened;
    QObject observer;
    int selectionChanged = 0;
};

test::PrivateSessionBus* PopoversTest::bus_ = nullptr;

TEST_F(PopoversTest, EveryCategoryHasItsPopoverWithTextAndTheRightButton) {
    const struct {
        const char* identifier;
        const char* className; // null: a plain popover
        bool button;
    } popovers[] = {
        {"AboutCaches", "dovrel::AboutCaches", true}, {"AboutLogs", "dovrel::AboutLogs", true},
        {"AboutRemainders", nullptr, false},          {"AboutBrowsers", "dovrel::AboutBrowsers", true},
        {"AboutMails", "dovrel::AboutMails", true},   {"AboutInstalls", nullptr, false},
        {"AboutTrash", "dovrel::AboutTrash", true},
    };
    std::set<QString> texts;
    for (const auto& p : popovers) {
        SCOPED_TRACE(p.identifier);
        std::unique_ptr<Screen> screen = make(p.identifier);
        auto* popover = qobject_cast<AboutPopover*>(screen.get());
        ASSERT_NE(popover, nullptr);
        EXPECT_EQ(screen->identifier(), QString::fromLatin1(p.identifier));
        EXPECT_STREQ(screen->metaObject()->className(), p.className ? p.className : "dovrel::AboutPopover");
        EXPECT_EQ(popover->button() != nullptr, p.button);
        // Two or three sentences, different for every category.
        const QString text = popover->textLabel()->text();
        EXPECT_GE(text.count(QLatin1Char('.')), 2);
        EXPECT_TRUE(texts.insert(text).second);
        // The popup takes the controller's size: it must hold the whole text.
        screen->loadViewIfNeeded();
        EXPECT_GE(screen->height(), screen->layout()->totalHeightForWidth(screen->width()));
        EXPECT_GT(screen->width(), 0);
    }
}

TEST_F(PopoversTest, ShowRevealsTheMarkerThenTheFolderOrNothing) {
    test::FakeFileManager fileManager(bus_->connect());
    ASSERT_TRUE(fileManager.isRegistered());
    enum State { marker, noMarker, folderAbsent, unset };
    const Location caches = home / "Library/Caches";
    const Location logs = home / "Library/Logs";
    const Location trash = home / ".Trash";
    const Location mails = home / "Library/Containers/com.apple.mail/Data/Library/Mail Downloads";
    const struct {
        const char* identifier;
        Location folder;
        State state;
        std::optional<Location> revealed;
    } cases[] = {
        {"AboutCaches", caches, marker, caches / ".DS_Store"},
        {"AboutCaches", caches, noMarker, caches},
        {"AboutCaches", caches, folderAbsent, caches}, // set is enough
        {"AboutCaches", caches, unset, std::nullopt},
        {"AboutLogs", logs, marker, logs / ".DS_Store"},
        {"AboutLogs", logs, noMarker, logs},
        {"AboutLogs", logs, folderAbsent, logs},
        {"AboutLogs", logs, unset, std::nullopt},
        {"AboutTrash", trash, marker, trash / ".DS_Store"},
        {"AboutTrash", trash, noMarker, trash},
        {"AboutTrash", trash, folderAbsent, trash},
        {"AboutTrash", trash, unset, std::nullopt},
        {"AboutMails", mails, marker, mails}, // no marker step
        {"AboutMails", mails, noMarker, mails},
        {"AboutMails", mails, folderAbsent, std::nullopt}, // must exist
        {"AboutMails", mails, unset, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.identifier) + " state " + std::to_string(c.state));
        std::filesystem::remove_all(c.folder);
        if (c.state != folderAbsent)
            std::filesystem::create_directories(c.folder);
        if (c.state == marker)
            test::FixtureTree(c.folder).file(".DS_Store", 6);
        current = c.state == unset ? &homeless : &engine;
        const auto callsBefore = fileManager.shownItems().size();
        opened.clear();
        const std::set<Location> before = everythingUnder(tmp.path());

        std::unique_ptr<Screen> screen = make(c.identifier);
        auto* popover = qobject_cast<AboutPopover*>(screen.get());
        ASSERT_TRUE(popover && popover->button());
        screen->show();
        QTest::mouseClick(popover->button(), Qt::LeftButton);

        // The file manager is called without blocking: wait for the call.
        if (c.revealed) {
            ASSERT_TRUE(test::waitFor([&] { return fileManager.shownItems().size() > callsBefore; }));
            EXPECT_EQ(fileManager.shownItems().back(), QStringList{uri(*c.revealed)});
        } else {
            test::spin(50);
            EXPECT_EQ(fileManager.shownItems().size(), callsBefore);
        }
        EXPECT_EQ(fileManager.shownItems().size(), callsBefore + (c.revealed ? 1 : 0));
        EXPECT_TRUE(opened.isEmpty());
        EXPECT_EQ(everythingUnder(tmp.path()), before) << "revealing changed the disk";
    }
}

TEST_F(PopoversTest, WithoutAFileManagerTheParentFolderOpens) {
    // Nobody owns the file manager's name on this bus.
    const Location trash = home / ".Trash";
    test::FixtureTree(trash).file(".DS_Store", 6);
    std::unique_ptr<Screen> trashPopover = make("AboutTrash");
    qobject_cast<AboutPopover*>(trashPopover.get())->show(nullptr);
    ASSERT_TRUE(test::waitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList{uri(trash)}); // the Trash, where its marker sits

    opened.clear();
    std::filesystem::remove(trash / ".DS_Store");
    qobject_cast<AboutPopover*>(trashPopover.get())->show(nullptr);
    ASSERT_TRUE(test::waitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList{uri(home)}); // the Trash selected in the home folder
}

TEST_F(PopoversTest, TheBrowsersPopoverOpensTheSelectionWindowCentredOverTheMainWindow) {
    NoReporting reporting;
    AppDelegate delegate(reporting);
    CleanerWindowController main(factory);
    main.setGeometry(60, 40, 700, 500);
    main.show();
    test::putBrowserResults(engine, {1'000, 2'000, 3'000}, home / "Library");

    // The results screen shows the popover in a popup of the main window.
    auto* popup = new QWidget(&main, Qt::Popup);
    auto* layout = new QVBoxLayout(popup);
    layout->setContentsMargins(0, 0, 0, 0);
    std::unique_ptr<Screen> made = make("AboutBrowsers");
    auto* popover = qobject_cast<AboutBrowsers*>(made.get());
    ASSERT_NE(popover, nullptr);
    layout->addWidget(made.release());
    popup->show();
    test::spin();
    QTest::mouseClick(popover->button(), Qt::LeftButton);
    test::spin();

    Screen* select = popover->presentedModalWindow();
    ASSERT_NE(qobject_cast<SelectBrowsers*>(select), nullptr);
    EXPECT_EQ(select->identifier(), QStringLiteral("SelectBrowsers"));
    QWidget* window = select->window();
    EXPECT_FALSE(popup->isVisible()) << "the transient popover closes";
    EXPECT_EQ(window->parentWidget(), &main) << "the window outlives the popover";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Select browser"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    // Centred over the main window, whatever its size, and inside the screen.
    const QRect frame(delegate.modalOrigin.toPoint(), select->size());
    EXPECT_LE((frame.center() - main.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_TRUE(main.screen()->availableGeometry().contains(frame));
    EXPECT_EQ(window->pos(), delegate.modalOrigin.toPoint());

    // Dragging its background moves it.
    const QPoint start = window->pos();
    QTest::mousePress(select, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(select, QPoint(44, 24));
    QTest::mouseRelease(select, Qt::LeftButton, {}, QPoint(44, 24));
    EXPECT_EQ(window->pos(), start + QPoint(40, 20));

    // Another popover later: the window stays.
    delete popup;
    test::spin();
    EXPECT_TRUE(window->isVisible());
    window->close();
}

TEST_F(PopoversTest, TheSelectionWindowStartsFromTheResultsAndTheKeys) {
    struct Case {
        const char* name;
        test::BrowserSizes sizes;
        std::array<std::optional<bool>, 3> stored;
        std::array<bool, 3> enabled, checked;
    };
    const Case cases[] = {
        {"no Safari data", {1'500, 2'500'000, std::nullopt}, {}, {true, true, false}, {true, true, false}},
        {"stored YES without Firefox data",
         {1'500, std::nullopt, 700},
         {std::nullopt, true, true},
         {true, false, true},
         {true, false, true}},
        {"stored NO",
         {1'500, 2'000, 700},
         {false, std::nullopt, false},
         {true, true, true},
         {false, true, false}},
        {"Safari found empty",
         {1'500, 2'000, 0},
         {true, true, true},
         {true, true, false},
         {true, true, false}},
        {"nothing scanned yet", {}, {true, true, true}, {false, false, false}, {false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::putBrowserResults(engine, c.sizes, home / "Library");
        for (Browser b : BrowserChoice::kBrowsers) {
            const auto& s = c.stored[static_cast<std::size_t>(b)];
            if (s)
                Defaults::standard().setBool(BrowserChoice::key(b), *s);
            else
                Defaults::standard().removeObjectForKey(BrowserChoice::key(b));
        }
        std::unique_ptr<SelectBrowsers> w = openSelectBrowsers();
        ASSERT_NE(w, nullptr);
        const QCheckBox* boxes[] = {w->chrome_button(), w->mozilla_button(), w->safari_button()};
        const QLabel* labels[] = {w->chrome_size(), w->mozilla_size(), w->safari_size()};
        const std::optional<ByteCount> sizes[] = {c.sizes.chrome, c.sizes.mozilla, c.sizes.safari};
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(boxes[i]->isEnabled(), c.enabled[i]);
            EXPECT_EQ(boxes[i]->isChecked(), c.checked[i]);
            EXPECT_EQ(labels[i]->text(), formatByteCount(c.enabled[i] ? *sizes[i] : 0));
        }
    }
}

// A Linux home has no Safari: neither the window nor the popover offers it.
TEST_F(PopoversTest, OnALinuxHomeSafariIsNotOffered) {
    test::putBrowserResults(engine, {1'000, 2'000, std::nullopt}, home / "Library");
    for (const HomeLayout::Kind kind : {HomeLayout::Kind::MacOS, HomeLayout::Kind::Linux}) {
        SCOPED_TRACE(HomeLayout::name(kind));
        engine.layout = kind;
        const bool offered = kind == HomeLayout::Kind::MacOS;
        std::unique_ptr<SelectBrowsers> w = openSelectBrowsers();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->safari_button()->isVisibleTo(w.get()), offered);
        EXPECT_EQ(w->safari_size()->isVisibleTo(w.get()), offered);
        EXPECT_TRUE(w->mozilla_button()->isVisibleTo(w.get()));
        std::unique_ptr<Screen> about = make("AboutBrowsers");
        about->loadViewIfNeeded();
        EXPECT_EQ(
            qobject_cast<AboutPopover*>(about.get())->textLabel()->text().contains(QStringLiteral("Safari")),
            offered);
    }
}

TEST_F(PopoversTest, TickingAndUntickingChangesTheKeyTheEngineAndTellsTheResultsScreen) {
    test::putBrowserResults(engine, {1'000, 2'000, 3'000}, home / "Library");
    std::unique_ptr<SelectBrowsers> w = openSelectBrowsers();
    ASSERT_NE(w, nullptr);
    w->show();
    auto click = [](QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    };
    ASSERT_TRUE(w->safari_button()->isChecked()); // never chosen: follows the outline

    click(w->safari_button());
    EXPECT_FALSE(w->safari_button()->isChecked());
    EXPECT_EQ(Defaults::standard().hasKey(QStringLiteral("Safari")), true);
    EXPECT_FALSE(Defaults::standard().boolForKey(QStringLiteral("Safari")));
    EXPECT_EQ(selectionChanged, 1);
    const std::vector<Location> withoutSafari = *engine.browser_item->files;
    EXPECT_EQ(engine.browser_item->size, 3'000);
    EXPECT_EQ(withoutSafari.size(), 4u);

    click(w->chrome_button()); // off
    EXPECT_EQ(engine.browser_item->size, 2'000);
    EXPECT_FALSE(Defaults::standard().boolForKey(QStringLiteral("GoogleChrome")));
    click(w->chrome_button()); // on again
    EXPECT_TRUE(Defaults::standard().boolForKey(QStringLiteral("GoogleChrome")));
    EXPECT_EQ(*engine.browser_item->files, withoutSafari);
    EXPECT_EQ(engine.browser_item->size, 3'000);
    EXPECT_EQ(selectionChanged, 3);

    // Opened again, the window shows the same choice; so does the engine's.
    std::unique_ptr<SelectBrowsers> again = openSelectBrowsers();
    EXPECT_TRUE(again->chrome_button()->isChecked());
    EXPECT_TRUE(again->mozilla_button()->isChecked());
    EXPECT_FALSE(again->safari_button()->isChecked());
    BrowserChoice choice(engine, Defaults::standard());
    EXPECT_FALSE(choice.isChosen(*engine.browser_safari_item));
    EXPECT_TRUE(choice.isChosen(*engine.browser_chrome_item));
}

TEST_F(PopoversTest, TheTextLeavesThePanelsRoundedCornersSeeThrough) {
    for (const char* identifier : {"AboutTrash", "AboutRemainders"}) {
        SCOPED_TRACE(identifier);
        Popover popover;
        popover.setTranslucent(true);
        popover.setContentView(make(identifier).release());
        popover.showRelativeToRect(QRect(900, 400, 20, 20), Qt::LeftEdge);
        const QImage picture = popover.grab().toImage();
        EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(picture.pixelColor(0, picture.height() - 1).alpha(), 0);
        EXPECT_EQ(picture.pixelColor(Popover::kRadius, picture.height() / 2).alpha(), 255);
    }
}

TEST_F(PopoversTest, Screenshots) {
    AppStyle::apply(*qApp);
    test::putBrowserResults(engine, {48'200'000, 310'500'000, std::nullopt}, home / "Library");
    Defaults::standard().setBool(QStringLiteral("Mozilla"), false);

    std::unique_ptr<Screen> popover = make("AboutBrowsers");
    popover->show();
    test::spin(20);
    const auto popoverFile = test::saveScreenshot(popover.get(), QStringLiteral("20-popover-browsers"));
    EXPECT_FALSE(QImage(QString::fromStdString(popoverFile.string())).isNull());

    std::unique_ptr<SelectBrowsers> w = openSelectBrowsers();
    w->show();
    test::spin(20);
    const auto windowFile = test::saveScreenshot(w.get(), QStringLiteral("21-select-browsers"));
    EXPECT_FALSE(QImage(QString::fromStdString(windowFile.string())).isNull());
    qApp->setStyleSheet(QString());
}

} // namespace
} // namespace dovrel
