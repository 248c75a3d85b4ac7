#include "cli/CliProcess.h"
#include "cli/SampleHomeLinux.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace dovrel;
using namespace dovrel::test;

namespace {

namespace fs = std::filesystem;

// What a tree holds, file by file: relative path -> contents ("->target" for
// a link, "/" for a folder).
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> out;
    std::error_code ec;
    if (fs::is_symlink(root, ec) || !fs::is_directory(root, ec)) {
        std::ifstream in(root, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        out[""] = fs::is_symlink(root, ec) ? "->" + fs::read_symlink(root, ec).native() : s.str();
        return out;
    }
    for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const std::string rel = it->path().lexically_relative(root).native();
        if (it->is_symlink(ec))
            out[rel] = "->" + fs::read_symlink(it->path(), ec).native();
        else if (it->is_directory(ec))
            out[rel] = "/";
        else
            out[rel] = snapshot(it->path())[""];
    }
    return out;
}

// The path bytes a JSON string stands for: a byte that is not UTF-8 comes as
// a lone surrogate U+DC80..U+DCFF (see jsonString).
std::string bytesOf(const QString& text) {
    std::string out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text.mid(i++, 2).toStdString();
        } else if (u >= 0xDC80 && u <= 0xDCFF) {
            out += static_cast<char>(u - 0xDC00);
        } else {
            out += QString(text[i]).toStdString();
        }
    }
    return out;
}

// A path as gio prints it: a byte that is not UTF-8 as \xNN.
std::string gioBytes(const QByteArray& text) {
    std::string out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            out += static_cast<char>(text.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

// `clean --to-trash` checked with a real Trash client: gio, with gvfs on a
// private session bus, lists every moved item under its original path and
// puts items back byte for byte.
class TrashCliTest : public ::testing::Test {
protected:
    struct Run {
        int exitCode = -1;
        QByteArray out, err;
    };

    Run run(const QString& program, const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.native()));
        env.insert("XDG_DATA_HOME", QString::fromStdString((home / ".local/share").native()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString((tmp / "config").native()));
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        p.setProcessEnvironment(env);
        p.start(program, args);
        Run r;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished(1000);
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }
    // gio on a session bus of its own, which starts the gvfs daemons.
    Run gio(const QStringList& args) { return run(sessionBus, QStringList{"--", gioPath, "trash"} + args); }

    TempDir tmp;
    fs::path home;
    QString gioPath = QStandardPaths::findExecutable("gio");
    QString sessionBus = QStandardPaths::findExecutable("dbus-run-session");
};

TEST_F(TrashCliTest, GioListsAndRestoresWhatCleanMovedToTheTrash) {
    if (gioPath.isEmpty() || sessionBus.isEmpty())
        GTEST_SKIP() << "gio (libglib2.0-bin) or dbus-run-session is not installed";
    if (!fs::exists("/usr/libexec/gvfsd-trash") && !fs::exists("/usr/lib/gvfs/gvfsd-trash"))
        GTEST_SKIP() << "gvfs is not installed: gio cannot read trash:///";
    const auto made = SampleHomeLinux::build(tmp / "linux", 0, "ann");
    home = made.home;
    const fs::path trash = home / ".local/share/Trash";
    // A Trash of its own, so that the listing shows only what the clean moved.
    const Run emptied =
        run(QStringLiteral(DOVREL_CLI_PATH),
            {"clean", "--yes", "--only", "trash", "--home", QString::fromStdString(home.native()),
             "--system-root", QString::fromStdString(made.system.native())});
    ASSERT_EQ(emptied.exitCode, 0) << emptied.out.toStdString() << emptied.err.toStdString();

    const Run plan =
        run(QStringLiteral(DOVREL_CLI_PATH), {"clean", "--json", "--only", "caches", "logs", "installs",
                                              "--home", QString::fromStdString(home.native()),
                                              "--system-root", QString::fromStdString(made.system.native())});
    ASSERT_EQ(plan.exitCode, 0) << plan.err.toStdString();
    std::map<std::string, std::map<std::string, std::string>> before;
    for (const auto& l : QJsonDocument::fromJson(plan.out).object().value("locations").toArray())
        before[bytesOf(l.toString())] = snapshot(bytesOf(l.toString()));
    ASSERT_GE(before.size(), 3u);

    const Run cleaned = run(QStringLiteral(DOVREL_CLI_PATH),
                            {"clean", "--yes", "--json", "--to-trash", "--only", "caches", "logs", "installs",
                             "--home", QString::fromStdString(home.native()), "--system-root",
                             QString::fromStdString(made.system.native())});
    ASSERT_EQ(cleaned.exitCode, 0) << cleaned.out.toStdString() << cleaned.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(cleaned.out).object();
    EXPECT_EQ(report.value("bytes_freed").toInteger(), 0);
    EXPECT_GT(report.value("bytes_moved_to_trash").toInteger(), 0);
    std::set<std::string> moved;
    for (const auto& o : report.value("outcomes").toArray()) {
        EXPECT_TRUE(o.toObject().value("moved_to_trash").toBool())
            << o.toObject().value("url").toString().toStdString();
        moved.insert(bytesOf(o.toObject().value("url").toString()));
    }
    for (const auto& [location, tree] : before) {
        EXPECT_TRUE(moved.count(location)) << location;
        EXPECT_FALSE(fs::exists(fs::symlink_status(location))) << location;
    }

    // gio lists each moved item under its original path.
    const Run listed = gio({"--list"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    std::map<std::string, std::string> uriOf; // original path -> trash:/// URI
    for (const QByteArray& line : listed.out.split('\n')) {
        const auto tab = line.indexOf('\t');
        if (tab > 0)
            uriOf[gioBytes(line.mid(tab + 1))] = line.left(tab).toStdString();
    }
    EXPECT_EQ(uriOf.size(), before.size()) << listed.out.toStdString();
    for (const auto& [location, tree] : before)
        EXPECT_TRUE(uriOf.count(location)) << location << " is not listed:\n" << listed.out.toStdString();

    // And puts them back where they were, byte for byte: a file and a folder.
    int restored = 0;
    for (const bool folder : {false, true}) {
        for (const auto& [location, tree] : before) {
            if ((tree.size() > 1 || tree.count("") == 0) != folder || !uriOf.count(location))
                continue;
            const Run back = gio({"--restore", QString::fromStdString(uriOf[location])});
            ASSERT_EQ(back.exitCode, 0) << location << ": " << back.err.toStdString();
            EXPECT_EQ(snapshot(location), tree) << location;
            ++restored;
            break;
        }
    }
    EXPECT_EQ(restored, 2);
}

} // namespace
