// Registration of the agent as an XDG autostart entry.

#include "scheduler/LoginItem.h"
#include "scheduler/DesktopEntryReader.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace dovrel {
namespace {

using test::DesktopEntryReader;
namespace fs = std::filesystem;

const QString kId = QStringLiteral("com.halvik.dovrel-cleaner-scheduler");

class LoginItemTest : public ::testing::Test {
protected:
    fs::path agentAt(const fs::path& rel) {
        fs::path p = test::FixtureTree(dir.path()).fileWith(rel, "#!/bin/sh\n");
        ::chmod(p.c_str(), 0755);
        return p;
    }
    LoginItem item(const fs::path& agent) { return LoginItem(kId, agent, config, {systemA, systemB}); }
    fs::path entry() const { return config / "autostart" / "com.halvik.dovrel-cleaner-scheduler.desktop"; }
    std::vector<fs::path> autostartFiles() const {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(config / "autostart", ec))
            files.push_back(e.path().filename());
        return files;
    }

    test::TempDir dir;
    fs::path config = dir / "home-config";
    fs::path systemA = dir / "xdg-a";
    fs::path systemB = dir / "xdg-b";
};

TEST_F(LoginItemTest, OnWritesAValidEntryThatStartsTheAgentAndOffRemovesIt) {
    const fs::path agent = agentAt("app/dovrel-cleaner-scheduler");
    LoginItem login = item(agent);
    EXPECT_EQ(login.entryFile(), entry());

    ASSERT_TRUE(login.setEnabled(true));
    auto parsed = DesktopEntryReader::read(entry());
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->groups(), std::vector<std::string>{"Desktop Entry"});
    EXPECT_EQ(parsed->value("Desktop Entry", "Type"), "Application");
    EXPECT_FALSE(parsed->value("Desktop Entry", "Name").value_or("").empty());
    EXPECT_EQ(parsed->value("Desktop Entry", "NoDisplay"), "true");
    EXPECT_EQ(parsed->value("Desktop Entry", "X-GNOME-Autostart-enabled"), "true");
    EXPECT_FALSE(parsed->value("Desktop Entry", "Hidden"));
    EXPECT_EQ(parsed->execArguments(), std::vector<std::string>{agent.native()});
    // Readable by the session, and nothing left beside it.
    struct stat st {};
    ASSERT_EQ(::stat(entry().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_EQ(autostartFiles(), std::vector<fs::path>{entry().filename()});

    // On again keeps one entry; off removes it; off again is no error.
    ASSERT_TRUE(login.setEnabled(true));
    EXPECT_EQ(autostartFiles().size(), 1u);
    ASSERT_TRUE(login.setEnabled(false));
    EXPECT_FALSE(fs::exists(entry()));
    EXPECT_TRUE(login.setEnabled(false));
    EXPECT_TRUE(autostartFiles().empty());
}

TEST_F(LoginItemTest, ExecSurvivesPathsThatNeedQuoting) {
    for (const char* rel : {"with space/agent", "quote\"s and 'single'/agent", "dollar $HOME/agent",
                            "back`tick`/agent", "back\\slash\\\\/agent", "100% sure/agent", "tab\there/agent",
                            "new\nline/agent", "semi;colon&amp|pipe<>~*?#()/agent", "caf\xc3\xa9/agent"}) {
        SCOPED_TRACE(rel);
        const fs::path agent = agentAt(rel);
        ASSERT_TRUE(item(agent).setEnabled(true));
        auto parsed = DesktopEntryReader::read(entry());
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->execArguments(), std::vector<std::string>{agent.native()});
    }
}

TEST_F(LoginItemTest, OffHidesASystemWideEntryOfTheSameName) {
    const fs::path agent = agentAt("agent");
    test::FixtureTree(systemB).fileWith("autostart/com.halvik.dovrel-cleaner-scheduler.desktop",
                                        "[Desktop Entry]\nType=Application\nName=x\nExec=/usr/bin/x\n");
    LoginItem login = item(agent);
    ASSERT_TRUE(login.setEnabled(true));
    ASSERT_TRUE(login.setEnabled(false));
    auto hidden = DesktopEntryReader::read(entry());
    ASSERT_TRUE(hidden);
    EXPECT_EQ(hidden->value("Desktop Entry", "Hidden"), "true");
    EXPECT_EQ(hidden->value("Desktop Entry", "Type"), "Application");

    // On again replaces the mask with a live entry.
    ASSERT_TRUE(login.setEnabled(true));
    auto live = DesktopEntryReader::read(entry());
    ASSERT_TRUE(live);
    EXPECT_FALSE(live->value("Desktop Entry", "Hidden"));
    EXPECT_EQ(live->execArguments(), std::vector<std::string>{agent.native()});
}

TEST_F(LoginItemTest, RefusesWhatCannotBeRegisteredAndLeavesTheEntryAlone) {
    const fs::path good = agentAt("agent");
    ASSERT_TRUE(item(good).setEnabled(true));
    auto before = DesktopEntryReader::read(entry());

    EXPECT_FALSE(item("relative/agent").setEnabled(true));
    EXPECT_FALSE(item(dir / "missing").setEnabled(true));
    EXPECT_FALSE(item(dir.path()).setEnabled(true)); // a folder
    EXPECT_FALSE(item(agentAt("caf\xe9/agent")).setEnabled(true));
    EXPECT_FALSE(LoginItem(QStringLiteral("../escape"), good, config, {}).setEnabled(true));
    EXPECT_FALSE(LoginItem(QString(), good, config, {}).setEnabled(true));

    auto after = DesktopEntryReader::read(entry());
    ASSERT_TRUE(after);
    EXPECT_EQ(after->execArguments(), before->execArguments());
    EXPECT_EQ(autostartFiles().size(), 1u);
}

TEST_F(LoginItemTest, ReportsAnAutostartFolderThatCannotBeMade) {
    const fs::path agent = agentAt("agent");
    test::FixtureTree(config).fileWith("autostart", "not a folder");
    EXPECT_FALSE(item(agent).setEnabled(true));
    EXPECT_TRUE(item(agent).setEnabled(false)); // nothing registered: already off
}

TEST(LoginItemEnvironment, FollowsTheXdgVariables) {
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "HOME"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? std::optional<std::string>(v) : std::nullopt});
    }

    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    ::setenv("XDG_CONFIG_DIRS", "/etc/one::relative:/etc/two", 1);
    LoginItem login = LoginItem::forCurrentUser(kId, "/opt/agent");
    EXPECT_EQ(login.entryFile(), fs::path("/tmp/cfg/autostart/com.halvik.dovrel-cleaner-scheduler.desktop"));
    EXPECT_EQ(LoginItem::systemConfigDirs(), (std::vector<fs::path>{"/etc/one", "/etc/two"}));

    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    ::unsetenv("XDG_CONFIG_DIRS");
    EXPECT_EQ(LoginItem::userConfigHome(), fs::path("/home/someone/.config"));
    EXPECT_EQ(LoginItem::systemConfigDirs(), std::vector<fs::path>{"/etc/xdg"});
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(LoginItem::userConfigHome(), fs::path("/home/someone/.config"));

    for (const Saved& s : saved) {
        if (s.value)
            ::setenv(s.name, s.value->c_str(), 1);
        else
            ::unsetenv(s.name);
    }
}

} // namespace
} // namespace dovrel
