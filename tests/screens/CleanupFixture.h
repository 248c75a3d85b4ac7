#pragma once

#include "engine/Cleaner.h"
#include "engine/CleanupRun.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "screens/ScreenCatalogue.h"
#include "screens/ScreenServices.h"
#include "shell/Screen.h"
#include "shell/ScreenFactory.h"
#include "shell/ViewController.h"

#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/HeldRemovalSyscalls.h"
#include "support/TempDir.h"

#include <QThreadPool>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace dovrel::test {

// A home folder, an engine over it whose hand-over the tests fill as the
// results screen's remove action does, the shared cleanup runner going
// through system calls the test can hold back or make fail, and the
// application's screens in a root controller ("Home" replaced by a plain
// screen, counted).
class CleanupFixture : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        setTimeFactors(0, 0);
        FixtureTree::makeHomeSkeleton(home);
        services.cleaner = [this] { return &engine; };
        ScreenCatalogue::registerAll(factory, services);
        factory.registerScreen(QStringLiteral("Main"), QStringLiteral("Home"), [this] {
            ++homesMade;
            return std::make_unique<Screen>();
        });
    }
    void TearDown() override {
        calls.release();
        EXPECT_TRUE(CleanupRun::shared().waitUntilIdle(std::chrono::seconds(60)));
        QThreadPool::globalInstance()->waitForDone(30000);
        spin(20);
        vc.reset();
        spin();
        setTimeFactors(1, 1);
    }

    // What the remove action leaves in the engine: the chosen locations,
    // their chosen size, and (as the scan did) who each location was.
    void handOver(const std::vector<std::filesystem::path>& files, ByteCount chosen) {
        engine.files = files;
        engine.wasCleaned = chosen;
        for (const auto& f : files) {
            struct stat st {};
            if (::lstat(f.c_str(), &st) == 0)
                engine.scanned_identities[f.native()] = FileIdentity::of(st);
        }
    }

    ViewController& root() {
        vc = std::make_unique<ViewController>(factory);
        vc->resize(780, 520);
        vc->viewDidLoad();
        return *vc;
    }
    Screen* content() const { return vc->viewcontrollerC(); }
    QString contentId() const { return content() ? content()->identifier() : QString(); }

    static void post(const char* name) {
        NotificationCenter::defaultCenter().post(QString::fromLatin1(name));
    }
    static std::int64_t totallyCleaned() {
        Defaults::standard().synchronize();
        return Defaults::standard().integerForKey(QStringLiteral("TotallyCleaned"));
    }
    static bool exists(const std::filesystem::path& p) {
        struct stat st {};
        return ::lstat(p.c_str(), &st) == 0;
    }

    TempDir tmp;
    std::filesystem::path home = tmp / "home";
    FixtureTree tree{home};
    Cleaner engine{home};
    HeldRemovalSyscalls calls{CleanupRun::shared()};
    ScreenServices services;
    ScreenFactory factory;
    int homesMade = 0;
    std::unique_ptr<ViewController> vc;
};

} // namespace dovrel::test
