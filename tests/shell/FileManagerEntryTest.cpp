// Which desktop entry opens a folder when the file manager service does not
// answer, and that it is started on the folder (never a web browser).

#include "platform/gui/FileManagerEntry.h"
#include "platform/gui/Workspace.h"

#include "FakeFileManager.h"
#include "GuiTestSupport.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

namespace dovrel {
namespace {

class FileManagerEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        env.configHome = qs(tmp / "config");
        env.configDirs = {qs(tmp / "etc")};
        env.dataHome = qs(tmp / "data");
        env.dataDirs = {qs(tmp / "share")};
    }
    static QString qs(const std::filesystem::path& p) { return QString::fromStdString(p.native()); }
    // A program that writes its arguments, one a line, to `out`.
    std::filesystem::path recorder(const char* name, const std::filesystem::path& out) {
        const auto script = tree.fileWith(std::filesystem::path("bin") / name,
                                          "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + out.native() + "'\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        return script;
    }
    void entry(const std::filesystem::path& rel, const std::string& body, const char* type = "Application") {
        tree.fileWith(std::filesystem::path("share/applications") / rel,
                      "[Desktop Entry]\nType=" + std::string(type) + "\n" + body);
    }
    void defaults(const std::string& ids) {
        tree.fileWith("config/mimeapps.list", "[Default Applications]\ninode/directory=" + ids + "\n");
    }
    std::string found() const {
        const auto e = FileManagerEntry::find(env);
        return e ? e->id.toStdString() : std::string("(none)");
    }

    test::TempDir tmp;
    test::FixtureTree tree{tmp.path()};
    FileManagerEntry::Environment env;
};

TEST_F(FileManagerEntryTest, TakesTheChosenFileManagerAndNeverABrowserOrAnEntryThatCannotOpenAFolder) {
    const std::string fm = recorder("fm", tmp / "fm.out").native();
    // Every one of these says it opens folders.
    entry("browser.desktop",
          "Exec=" + fm + " %u\nCategories=Network;WebBrowser;\nMimeType=inode/directory;\n");
    entry("webapp.desktop", "Exec=" + fm + " %U\nMimeType=x-scheme-handler/https;inode/directory;\n");
    entry("html.desktop", "Exec=" + fm + " %F\nMimeType=inode/directory;text/html;\n");
    entry("nofield.desktop", "Exec=" + fm + "\nMimeType=inode/directory;\n");
    entry("missing.desktop", "Exec=/nonexistent/fm %f\nMimeType=inode/directory;\n");
    entry("hidden.desktop", "Exec=" + fm + " %f\nHidden=true\nMimeType=inode/directory;\n");
    entry("link.desktop", "Exec=" + fm + " %f\nMimeType=inode/directory;\n", "Link");
    EXPECT_EQ(found(), "(none)");

    defaults("browser.desktop;webapp.desktop;");
    EXPECT_EQ(found(), "(none)") << "a browser chosen for folders is passed over";

    entry("files.desktop", "Exec=" + fm + " %U\nMimeType=inode/directory;\n");
    entry("org/other.desktop", "Exec=" + fm + " %U\nMimeType=inode/directory;\n");
    EXPECT_EQ(found(), "files.desktop") << "any folder handler when the choice is a browser";
    defaults("browser.desktop;org-other.desktop;files.desktop;");
    EXPECT_EQ(found(), "org-other.desktop") << "the user's choice, in its order";
    tree.fileWith("config/mimeapps.list", "[Added Associations]\ninode/directory=org-other.desktop;\n");
    EXPECT_EQ(found(), "org-other.desktop");
}

TEST_F(FileManagerEntryTest, CommandPutsTheFolderInTheFileOrAddressField) {
    const std::filesystem::path folder(std::string("/tmp/caf\xe9 x"));
    struct Case {
        const char* exec;
        QStringList expected;
    };
    const Case cases[] = {
        {"fm --new %U", {"fm", "--new", "file:///tmp/caf%E9%20x"}},
        {"\"/opt/my fm/run\" %u", {"/opt/my fm/run", "file:///tmp/caf%E9%20x"}},
        {"fm %i --select %f", {"fm", "--select", QFile::decodeName(QByteArray(folder.c_str()))}},
        {"fm 100%% \"a \\\"b\\\"\" %U", {"fm", "100%", "a \"b\"", "file:///tmp/caf%E9%20x"}},
        {"fm \"unclosed %U", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exec);
        FileManagerEntry e;
        e.exec = QString::fromLatin1(c.exec);
        EXPECT_EQ(e.command(folder), c.expected);
    }
}

// The whole road: no file manager on the bus, so the folder goes to the
// entry chosen for folders, never to the browser the desktop would pick.
TEST_F(FileManagerEntryTest, RevealWithoutTheServiceStartsTheFileManagerOrSaysItFailed) {
    const std::map<const char*, QByteArray> vars = {{"XDG_CONFIG_HOME", qs(tmp / "config").toUtf8()},
                                                    {"XDG_CONFIG_DIRS", qs(tmp / "etc").toUtf8()},
                                                    {"XDG_DATA_HOME", qs(tmp / "data").toUtf8()},
                                                    {"XDG_DATA_DIRS", qs(tmp / "share").toUtf8()},
                                                    {"XDG_CURRENT_DESKTOP", QByteArray()}};
    std::map<const char*, std::optional<QByteArray>> saved;
    for (const auto& [name, value] : vars) {
        saved[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        qputenv(name, value);
    }
    test::FileManagerBus files(false);
    ASSERT_TRUE(files.ready()) << files.error().toStdString();
    Workspace::setURLOpener({}); // the desktop entries themselves

    const std::string browser = recorder("browser", tmp / "browser.out").native();
    entry("browser.desktop", "Exec=" + browser + " %u\nCategories=WebBrowser;\nMimeType=inode/directory;\n");
    defaults("browser.desktop;");
    const std::filesystem::path item = tree.file("some folder/item", 1);
    auto reveal = [&] {
        std::optional<Workspace::Revealed> outcome;
        Workspace::activateFileViewerSelectingURLs({item}, [&](Workspace::Revealed r) { outcome = r; });
        EXPECT_TRUE(test::waitFor([&] { return outcome.has_value(); }, 8000));
        return outcome.value_or(Workspace::Revealed::ByFileManager);
    };
    EXPECT_EQ(reveal(), Workspace::Revealed::Failed);

    const std::filesystem::path out = tmp / "fm.out";
    entry("files.desktop", "Exec=" + recorder("fm", out).native() + " %U\nMimeType=inode/directory;\n");
    EXPECT_EQ(reveal(), Workspace::Revealed::FoldersOpened);
    ASSERT_TRUE(test::waitFor([&] { return QFile(qs(out)).size() > 0; }, 8000));
    QFile written(qs(out));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(), Workspace::fileURL(item.parent_path()).toEncoded());
    EXPECT_FALSE(std::filesystem::exists(tmp / "browser.out"));

    for (const auto& [name, value] : saved) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
}

} // namespace
} // namespace dovrel
