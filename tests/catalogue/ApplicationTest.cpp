#include "catalogue/Application.h"

#include "platform/Defaults.h"
#include "platform/Grant.h"
#include "platform/NameText.h"
#include "support/BundleBuilder.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <stdexcept>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace dovrel {
namespace {

using test::BundleBuilder;
using test::FixtureTree;
using test::TempDir;

class ApplicationRecord : public ::testing::Test {
protected:
    TempDir tmp;
    Application app{tmp.path(), tmp / "Applications"};

    BundleBuilder bundle(const std::string& name = "Editor.app") { return BundleBuilder(tmp / name); }
};

TEST_F(ApplicationRecord, FillsEveryFieldFromABinaryInfoPlist) {
    const auto path = bundle()
                          .format(BundleBuilder::Format::Binary)
                          .set("CFBundleIdentifier", "com.example.Editor")
                          .set("CFBundleName", "My Editor")
                          .set("CFBundleExecutable", "editor")
                          .set("CFBundleIconFile", "AppIcon.icns")
                          .set("CFBundleShortVersionString", "2.4")
                          .set("CFBundleVersion", "240")
                          .set("LogName", "editor.log")
                          .icon("AppIcon.icns")
                          .build();

    const ApplicationItem item = app.application(path);

    EXPECT_EQ(item.label, QStringLiteral("Editor"));
    EXPECT_EQ(item.label_name, QStringLiteral("My_Editor"));
    EXPECT_EQ(item.url, path);
    EXPECT_EQ(item.icon, IconRef::fileSystemIconOf(path));
    EXPECT_EQ(item.app_icon, IconRef::file(path / "Contents/Resources/AppIcon.icns"));
    EXPECT_EQ(item.bundle, QStringLiteral("com.example.Editor"));
    EXPECT_EQ(item.bundle_name, QStringLiteral("Editor"));
    EXPECT_EQ(item.bundle_name_info, QStringLiteral("My Editor"));
    EXPECT_EQ(item.executable_info, QStringLiteral("editor"));
    EXPECT_EQ(item.company_name, QStringLiteral("example"));
    EXPECT_EQ(item.app_version, QStringLiteral("2.4"));
    EXPECT_EQ(item.log_file_name, QStringLiteral("editor.log"));
}

TEST_F(ApplicationRecord, SingleDerivationsAgreeWithTheRecord) {
    const auto path = bundle()
                          .set("CFBundleIdentifier", "org.sample.Tool")
                          .set("CFBundleName", "Sample  Tool ")
                          .set("CFBundleExecutable", "tool")
                          .set("CFBundleIconFile", "tool")
                          .set("CFBundleVersion", 77)
                          .icon("tool.png")
                          .build();

    const ApplicationItem item = app.application(path);

    EXPECT_EQ(app.setLabel(path), item.label);
    EXPECT_EQ(app.setLabelName(path), item.label_name);
    EXPECT_EQ(item.label_name, QStringLiteral("Sample__Tool_"));
    EXPECT_EQ(app.setIcon(path), item.icon);
    EXPECT_EQ(app.setAppIcon(path), item.app_icon);
    EXPECT_EQ(item.app_icon, IconRef::file(path / "Contents/Resources/tool.png"));
    EXPECT_EQ(app.setBundle(path), item.bundle);
    EXPECT_EQ(app.setBundleName(path), item.bundle_name);
    EXPECT_EQ(app.setBundleNameInfo(path), item.bundle_name_info);
    EXPECT_EQ(app.setExecutableInfo(path), item.executable_info);
    EXPECT_EQ(app.setCompanyName(path), item.company_name);
    EXPECT_EQ(app.setAppVeersion(path), item.app_version);
    EXPECT_EQ(item.app_version, QStringLiteral("77"));
    EXPECT_EQ(app.setLogFileName(path), item.log_file_name);
}

TEST_F(ApplicationRecord, MissingValuesTakeTheirFallbacks) {
    const auto path = bundle("Bare.app").build(); // an empty dictionary

    const ApplicationItem item = app.application(path);

    EXPECT_EQ(item.label, QStringLiteral("Bare"));
    EXPECT_EQ(item.label_name, QStringLiteral("empty_string"));
    EXPECT_EQ(item.icon, IconRef::fileSystemIconOf(path));
    EXPECT_FALSE(item.app_icon);
    EXPECT_FALSE(item.bundle);
    EXPECT_EQ(item.bundle_name, QStringLiteral("empty_string"));
    EXPECT_EQ(item.bundle_name_info, QStringLiteral("empty_string"));
    EXPECT_EQ(item.executable_info, QStringLiteral("empty_string"));
    EXPECT_FALSE(item.company_name);
    EXPECT_EQ(item.app_version, QStringLiteral("1.0"));
    EXPECT_EQ(item.log_file_name, QStringLiteral("null_string"));
}

TEST_F(ApplicationRecord, PathsThatAreNotBundlesStillGiveARecord) {
    FixtureTree tree(tmp.path());
    const std::vector<Location> paths{
        tmp / "Missing.app",
        tree.file("File.app", 10),
        tree.folder("NoContents.app"),
        BundleBuilder(tmp / "Damaged.app")
            .infoPlistBytes("bplist00 garbage that is not a plist at all")
            .build(),
        tree.symlink("Zero.app/Contents/Info.plist", "/dev/zero").parent_path().parent_path(),
    };
    for (const Location& path : paths) {
        const ApplicationItem item = app.application(path);
        EXPECT_EQ(item.url, path);
        EXPECT_EQ(item.label, QString::fromStdString(path.stem().string()));
        EXPECT_EQ(item.icon, IconRef::fileSystemIconOf(path));
        EXPECT_FALSE(item.bundle);
        EXPECT_FALSE(item.company_name);
        EXPECT_FALSE(item.app_icon);
        EXPECT_EQ(item.executable_info, QStringLiteral("empty_string"));
        EXPECT_EQ(item.log_file_name, QStringLiteral("null_string"));
    }
}

TEST_F(ApplicationRecord, IdentifierComponents) {
    struct Case {
        const char* identifier;
        const char* bundleName;
        const char* companyName;
    };
    const Case cases[] = {
        {"com.example.Editor", "Editor", "example"},
        {"Editor", "Editor", "Editor"}, // no "." gives the whole identifier for both
        {"com.", "", ""},               // ends in its first "."
        {"com.example", "example", "example"},
        {".hidden.app", "app", "hidden"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const auto path = bundle().set("CFBundleIdentifier", c.identifier).build();
        const ApplicationItem item = app.application(path);
        EXPECT_EQ(item.bundle, QString::fromUtf8(c.identifier));
        EXPECT_EQ(item.bundle_name, QString::fromUtf8(c.bundleName)) << c.identifier;
        EXPECT_EQ(item.company_name, QString::fromUtf8(c.companyName)) << c.identifier;
    }
}

TEST_F(ApplicationRecord, VersionPrefersTheShortVersion) {
    const auto both =
        bundle("Both.app").set("CFBundleShortVersionString", "3.1").set("CFBundleVersion", "310").build();
    const auto buildOnly =
        bundle("Build.app").format(BundleBuilder::Format::Binary).set("CFBundleVersion", 245).build();
    const auto neither = bundle("Neither.app").set("CFBundleName", "x").build();

    EXPECT_EQ(app.application(both).app_version, QStringLiteral("3.1"));
    EXPECT_EQ(app.application(buildOnly).app_version, QStringLiteral("245"));
    EXPECT_EQ(app.application(neither).app_version, QStringLiteral("1.0"));
}

TEST_F(ApplicationRecord, IconFileNameRule) {
    // AppIcon.icns is looked up as the resource AppIcon; icon.png has no ".i"
    // and is looked up whole; a bare name finds any image extension.
    const auto icns = bundle("Icns.app").set("CFBundleIconFile", "AppIcon.icns").icon("AppIcon.icns").build();
    const auto png = bundle("Png.app").set("CFBundleIconFile", "icon.png").icon("icon.png").build();
    const auto bare = bundle("Bare.app").set("CFBundleIconFile", "AppIcon").icon("AppIcon.png").build();
    const auto other =
        bundle("Other.app").set("CFBundleIconFile", "AppIcon.icns").icon("AppIcon.tiff").build();
    const auto exact =
        bundle("Exact.app").set("CFBundleIconFile", "Logo").icon("Logo").icon("Logo.icns").build();
    // "My.image.png" contains ".i": only "My" remains.
    const auto cut = bundle("Cut.app").set("CFBundleIconFile", "My.image.png").icon("My.icns").build();

    EXPECT_EQ(app.application(icns).app_icon, IconRef::file(icns / "Contents/Resources/AppIcon.icns"));
    EXPECT_EQ(app.application(png).app_icon, IconRef::file(png / "Contents/Resources/icon.png"));
    EXPECT_EQ(app.application(bare).app_icon, IconRef::file(bare / "Contents/Resources/AppIcon.png"));
    EXPECT_EQ(app.application(other).app_icon, IconRef::file(other / "Contents/Resources/AppIcon.tiff"));
    EXPECT_EQ(app.application(exact).app_icon, IconRef::file(exact / "Contents/Resources/Logo"));
    EXPECT_EQ(app.application(cut).app_icon, IconRef::file(cut / "Contents/Resources/My.icns"));
}

TEST_F(ApplicationRecord, IconThatCannotBeAnImageIsAbsent) {
    FixtureTree tree(tmp.path());
    const auto noKey = bundle("NoKey.app").icon("AppIcon.icns").build();
    const auto noFile = bundle("NoFile.app").set("CFBundleIconFile", "AppIcon.icns").build();
    const auto empty =
        bundle("Empty.app").set("CFBundleIconFile", "AppIcon.icns").icon("AppIcon.icns", "").build();
    const auto folder = bundle("Folder.app").set("CFBundleIconFile", "AppIcon").build();
    tree.folder("Folder.app/Contents/Resources/AppIcon.icns");
    const auto fifo = bundle("Fifo.app").set("CFBundleIconFile", "AppIcon").build();
    tree.fifo("Fifo.app/Contents/Resources/AppIcon.icns");
    const auto device = bundle("Device.app").set("CFBundleIconFile", "AppIcon").build();
    tree.symlink("Device.app/Contents/Resources/AppIcon.icns", "/dev/zero");
    // Names that would leave Contents/Resources.
    tree.fileWith("Outside.icns", "icon-bytes");
    const auto climbing = bundle("Climb.app").set("CFBundleIconFile", "../../../Outside").build();
    const auto absolute =
        bundle("Absolute.app").set("CFBundleIconFile", (tmp / "Outside").string() + ".icns").build();

    for (const Location& path : {noKey, noFile, empty, folder, device, climbing, absolute}) {
        const ApplicationItem item = app.application(path);
        EXPECT_FALSE(item.app_icon) << path;
        EXPECT_EQ(item.icon, IconRef::fileSystemIconOf(path)) << path;
    }
    auto pending = std::async(std::launch::async, [&] { return app.application(fifo); });
    if (pending.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
        const int fd = ::open((fifo / "Contents/Resources/AppIcon.icns").c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        FAIL() << "looking at a FIFO icon blocked";
    }
    EXPECT_FALSE(pending.get().app_icon);
}

// Reports whether a file system item was opened (inotify IN_OPEN) since the
// watch began, without opening it itself.
class OpenWatch {
public:
    explicit OpenWatch(const Location& item) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ < 0 || ::inotify_add_watch(fd_, item.c_str(), IN_OPEN) < 0)
            throw std::runtime_error("cannot watch " + item.string());
    }
    ~OpenWatch() { ::close(fd_); }
    bool opened() const {
        alignas(inotify_event) char events[4096];
        return ::read(fd_, events, sizeof events) > 0;
    }

private:
    int fd_;
};

TEST_F(ApplicationRecord, IconCheckOpensNothingButRegularFilesInsideTheBundle) {
    FixtureTree tree(tmp.path());
    const Location fifoOutside = tree.fifo("outside.fifo");
    const Location fileOutside = tree.fileWith("outside.icns", "icon-bytes");
    struct Row {
        std::string bundle;
        Location watched;
    };
    std::vector<Row> rows;
    auto iconAt = [&](const std::string& name) {
        bundle(name).set("CFBundleIconFile", "AppIcon").build();
        return tree.folder(name + "/Contents/Resources") / "AppIcon.icns";
    };
    {
        const Location icon = iconAt("Fifo.app");
        tree.fifo(icon);
        rows.push_back({"Fifo.app", icon});
    }
    {
        const Location icon = iconAt("Device.app"); // the null device, where this file system allows one
        if (::mknod(icon.c_str(), S_IFCHR | 0644, ::makedev(1, 3)) == 0)
            rows.push_back({"Device.app", icon});
    }
    tree.symlink(iconAt("FifoOut.app"), fifoOutside);
    rows.push_back({"FifoOut.app", fifoOutside});
    tree.symlink(iconAt("FileOut.app"), fileOutside);
    rows.push_back({"FileOut.app", fileOutside});

    for (const Row& row : rows) {
        OpenWatch watch(row.watched);
        auto pending = std::async(std::launch::async, [&] { return app.application(tmp / row.bundle); });
        if (pending.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            const int fd = ::open(row.watched.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            FAIL() << row.bundle << ": the icon check blocked";
        }
        EXPECT_FALSE(pending.get().app_icon) << row.bundle;
        EXPECT_FALSE(watch.opened()) << row.bundle << " opened " << row.watched;
    }

    // A link that stays inside the bundle leads to its file.
    const auto inside = bundle("Inside.app").set("CFBundleIconFile", "AppIcon").icon("Real.icns").build();
    tree.symlink(inside / "Contents/Resources/AppIcon.icns", "Real.icns");
    EXPECT_EQ(app.application(inside).app_icon, IconRef::file(inside / "Contents/Resources/Real.icns"));
}

TEST_F(ApplicationRecord, NameThatIsNotUtf8KeepsItsBytes) {
    const std::string name = std::string("Caf\xE9 \xFF") + ".app";
    const auto path =
        bundle(name).format(BundleBuilder::Format::Binary).set("CFBundleIdentifier", "com.x.Cafe").build();

    const ApplicationItem item = app.application(path);

    EXPECT_EQ(item.url.native(), (tmp / name).native());
    EXPECT_EQ(NameText::bytes(item.label), std::string("Caf\xE9 \xFF"));
    EXPECT_EQ(NameText::shown(item.label), QStringLiteral("Caf\uFFFD \uFFFD"));
    EXPECT_EQ(item.icon->path.native(), path.native());
    EXPECT_EQ(item.bundle, QStringLiteral("com.x.Cafe"));
}

TEST(ApplicationLocations, LibraryFollowsHome) {
    const Application withHome(Location("/home/someone"), Location("/opt/Applications"));
    const Application withoutHome(std::nullopt, std::nullopt);

    EXPECT_EQ(withHome.url_library, Location("/home/someone/Library"));
    EXPECT_EQ(withHome.url_applications, Location("/opt/Applications"));
    EXPECT_EQ(withHome.app_settings, nullptr);
    EXPECT_FALSE(withoutHome.url_home);
    EXPECT_FALSE(withoutHome.url_library);
    EXPECT_FALSE(withoutHome.url_applications);
}

TEST(ApplicationShared, RacingFirstCallsCreateOneInstanceFromTheGrants) {
    // Point the standard defaults at a fresh folder when this process has not
    // created them yet (under CTest each test runs in a process of its own).
    // The folder stays until the process ends, as the defaults do.
    static TempDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    Defaults& standard = Defaults::standard();
    const bool fresh = standard.file().native().starts_with(config.path().native());
    TempDir folders;
    FixtureTree tree(folders.path());
    if (fresh) {
        standard.setData(QString::fromLatin1(Grant::kHomeKey), *Grant::create(tree.folder("home")));
        standard.setData(QString::fromLatin1(Grant::kApplicationsKey), *Grant::create(tree.folder("Apps")));
    }

    std::vector<std::future<Application*>> calls;
    for (int i = 0; i < 8; ++i)
        calls.push_back(std::async(std::launch::async, [] { return Application::sharedApplication(); }));
    std::vector<Application*> seen;
    for (auto& call : calls) {
        ASSERT_EQ(call.wait_for(std::chrono::seconds(30)), std::future_status::ready);
        seen.push_back(call.get());
    }

    Application* shared = Application::sharedApplication();
    ASSERT_NE(shared, nullptr);
    for (Application* s : seen)
        EXPECT_EQ(s, shared);
    EXPECT_EQ(shared->app_settings, &standard);
    if (shared->url_home)
        EXPECT_EQ(shared->url_library, *shared->url_home / "Library");
    else
        EXPECT_FALSE(shared->url_library);
    if (fresh) {
        EXPECT_EQ(shared->url_home, folders / "home");
        EXPECT_EQ(shared->url_library, folders / "home" / "Library");
        EXPECT_EQ(shared->url_applications, folders / "Apps");
    }
}

} // namespace
} // namespace dovrel
