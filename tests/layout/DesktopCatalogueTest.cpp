#include "layout/DesktopCatalogue.h"
#include "LinuxHomeFixture.h"
#include "layout/DesktopEntry.h"
#include "layout/KeyFile.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace dovrel;
using dovrel::test::LinuxHomeFixture;

namespace {

class DesktopCatalogueTest : public LinuxHomeFixture {
protected:
    Location user = tmp / "ann/.local/share";
    Location share = tmp / "sys/share";
    DesktopCatalogue catalogue;

    void entry(const Location& dataDir, const std::string& rel, const std::string& body) {
        tree.fileWith((dataDir / "applications" / rel).lexically_relative(tmp.path()), desktop(body));
    }
    void load(const std::string& locale = {}) { catalogue.load({user, share}, locale); }
    std::string ownerOf(const char* folder) {
        auto r = catalogue.owner(QString::fromUtf8(folder));
        return r ? r->label.toStdString() : "-";
    }
};

TEST_F(DesktopCatalogueTest, AFolderIsAttributedByEachFieldIgnoringCase) {
    entry(share, "org.gnome.TextEditor.desktop", "Name=Text Editor\nExec=gnome-text-editor %U\n");
    entry(share, "vlc.desktop",
          "Name=VLC media player\nExec=/usr/bin/vlc --started-from-file %U\n"
          "StartupWMClass=vlc-main\n");
    entry(share, "code.desktop",
          "Name=Code\nExec=env GDK_BACKEND=x11 /usr/share/code/code --no-sandbox %F\n");
    entry(share, "quoted.desktop", "Name=Quoted\nExec=\"/opt/My Apps/quoted tool\" %f\n");
    entry(share, "org.example.Runner.desktop",
          "Name=Runner\nExec=/usr/bin/flatpak run org.example.Runner\n"); // the launcher names nothing
    load();
    const struct {
        const char* folder;
        const char* owner;
    } cases[] = {
        {"org.gnome.TextEditor", "Text Editor"}, // desktop-file id
        {"ORG.GNOME.TEXTEDITOR", "Text Editor"},
        {"texteditor", "Text Editor"},        // last dotted piece
        {"gnome-text-editor", "Text Editor"}, // program of Exec
        {"VLC-Main", "VLC media player"},     // StartupWMClass
        {"vlc", "VLC media player"},
        {"code", "Code"}, // env and its assignments skipped
        {"quoted tool", "Quoted"},
        {"flatpak", "-"},
        {"runner", "Runner"},
        {"gnome", "-"},
        {"unknown", "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ownerOf(c.folder), c.owner) << c.folder;
}

// Firefox's cache folder is "mozilla", named by no entry: it goes to the
// installed Firefox, whichever package that is; without one it stays unnamed.
TEST_F(DesktopCatalogueTest, WellKnownCacheFoldersGoToTheInstalledApplication) {
    const struct {
        const char* entries; // desktop ids installed, space-separated
        const char* mozilla;
        const char* chromium;
    } cases[] = {
        {"firefox-esr chromium", "Firefox ESR", "Chromium"},
        {"org.mozilla.firefox chromium-browser", "Firefox (Flatpak)", "Chromium (Ubuntu)"},
        {"firefox firefox-esr", "Firefox", "-"},
        {"thunderbird", "-", "-"},
    };
    const std::map<std::string, std::string> names = {
        {"firefox-esr", "Name=Firefox ESR\nExec=/usr/lib/firefox-esr/firefox-esr %u\n"},
        {"firefox", "Name=Firefox\nExec=firefox %u\n"},
        {"org.mozilla.firefox", "Name=Firefox (Flatpak)\nExec=/usr/bin/flatpak run org.mozilla.firefox\n"},
        {"chromium", "Name=Chromium\nExec=/usr/bin/chromium %U\n"},
        {"chromium-browser", "Name=Chromium (Ubuntu)\nExec=chromium-browser %U\n"},
        {"thunderbird", "Name=Thunderbird\nExec=thunderbird %u\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries);
        std::filesystem::remove_all(share);
        std::istringstream ids(c.entries);
        for (std::string id; ids >> id;)
            entry(share, id + ".desktop", names.at(id));
        load();
        EXPECT_EQ(ownerOf("mozilla"), c.mozilla);
        EXPECT_EQ(ownerOf("chromium"), c.chromium);
    }
}

TEST_F(DesktopCatalogueTest, UserEntriesHideSystemOnesAndSubfoldersMakeIds) {
    entry(share, "editor.desktop", "Name=System Editor\n");
    entry(user, "editor.desktop", "Name=My Editor\n");
    entry(share, "kde/org.kde.tool.desktop", "Name=KDE Tool\n");
    load();
    EXPECT_EQ(ownerOf("editor"), "My Editor");
    EXPECT_EQ(ownerOf("kde-org.kde.tool"), "KDE Tool");
    ASSERT_EQ(catalogue.entries().size(), 2u);
    auto record = catalogue.byId("kde-org.kde.tool");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->bundle, QStringLiteral("kde-org.kde.tool"));
}

TEST_F(DesktopCatalogueTest, DamagedFilesReadAsAbsentOddOnesAreTolerated) {
    tree.fileWith((share / "applications/nogroup.desktop").lexically_relative(tmp.path()),
                  "[Other Group]\nType=Application\nName=Nowhere\n");
    tree.fileWith((share / "applications/plain.desktop").lexically_relative(tmp.path()), "Name=Plain\n");
    entry(share, "noname.desktop", "Exec=noname\n");
    tree.fileWith((share / "applications/link.desktop").lexically_relative(tmp.path()),
                  "[Desktop Entry]\nType=Link\nName=A Link\nURL=https://example.org\n");
    tree.fileWith((share / "applications/huge.desktop").lexically_relative(tmp.path()),
                  desktop("Name=Huge\n" + std::string(KeyFile::kMaxFileSize, '#')));
    tree.fifo((share / "applications/fifo.desktop").lexically_relative(tmp.path()));
    tree.folder((share / "applications/folder.desktop").lexically_relative(tmp.path()));
    entry(share, "latin1.desktop", "Name=Caf\xe9 Bar\nExec=cafe\n");
    entry(share, "crlf.desktop", "Name=Windows Lines\r\nExec=crlf\r\n");
    load();
    EXPECT_EQ(ownerOf("nogroup"), "-");
    EXPECT_EQ(ownerOf("plain"), "-");
    EXPECT_EQ(ownerOf("noname"), "-");
    EXPECT_EQ(ownerOf("link"), "-");
    EXPECT_EQ(ownerOf("huge"), "-");
    EXPECT_EQ(ownerOf("fifo"), "-");
    EXPECT_EQ(ownerOf("cafe"), "Caf\xef\xbf\xbd Bar"); // the stray byte shows as a replacement character
    EXPECT_EQ(ownerOf("crlf"), "Windows Lines");
}

TEST_F(DesktopCatalogueTest, NamesFollowTheLocaleAndIconsComeFromTheTheme) {
    entry(share, "org.example.Mail.desktop",
          "Name=Mail\nName[de]=Post\nName[de_CH]=Poscht\nName[sr@latin]=Pošta\nIcon=org.example.Mail\n");
    entry(share, "absolute.desktop", "Name=Absolute\nIcon=" + (tmp / "icons/a.png").native() + "\n");
    entry(share, "missing.desktop", "Name=Missing\nIcon=no-such-icon\n");
    tree.file("sys/share/icons/hicolor/48x48/apps/org.example.Mail.png", 5);
    tree.file("sys/share/icons/hicolor/128x128/apps/org.example.Mail.png", 5);
    tree.file("icons/a.png", 5);
    const struct {
        const char* locale;
        const char* name;
    } cases[] = {{"", "Mail"},
                 {"C.UTF-8", "Mail"},
                 {"de_DE.UTF-8", "Post"},
                 {"de_CH.UTF-8", "Poscht"},
                 {"sr_RS@latin", "Pošta"},
                 {"fr_FR", "Mail"}};
    for (const auto& c : cases) {
        load(c.locale);
        EXPECT_EQ(ownerOf("mail"), c.name) << c.locale;
    }
    auto mail = catalogue.owner("mail");
    ASSERT_TRUE(mail && mail->app_icon);
    EXPECT_EQ(mail->app_icon->path,
              share / "icons/hicolor/128x128/apps/org.example.Mail.png"); // largest first
    auto absolute = catalogue.owner("absolute");
    ASSERT_TRUE(absolute && absolute->app_icon);
    EXPECT_EQ(absolute->app_icon->path, tmp / "icons/a.png");
    auto missing = catalogue.owner("missing");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->app_icon);
}

} // namespace
