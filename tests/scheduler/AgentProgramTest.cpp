// The built agent program and the bundle it sits in.

#include "catalogue/PlistReader.h"
#include "platform/Defaults.h"
#include "scheduler/BundleLayout.h"
#include "support/TempDir.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace dovrel {
namespace {

namespace fs = std::filesystem;

const fs::path kBundle = DOVREL_TEST_BUNDLE_DIR;
const fs::path kAgentExecutable = DOVREL_TEST_AGENT_EXECUTABLE;

bool isExecutableFile(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(p.c_str(), X_OK) == 0;
}

TEST(BuiltBundle, HasTheApplicationShapeWithTheAgentInItsLoginItems) {
    const fs::path agentBundle = kBundle / "Contents/Library/LoginItems/dovrel-cleaner-scheduler.app";
    EXPECT_EQ(kAgentExecutable, agentBundle / "Contents/MacOS/dovrel-cleaner-scheduler");
    EXPECT_TRUE(isExecutableFile(kAgentExecutable));

    // Exactly what the agent does at run time finds the application slot.
    const fs::path app =
        BundleLayout::enclosingApplication(BundleLayout::bundleOfExecutable(kAgentExecutable));
    EXPECT_EQ(app, kBundle);
    EXPECT_EQ(BundleLayout::executableOfBundle(app), kBundle / "Contents/MacOS/dovrel-cleaner");
    EXPECT_TRUE(isExecutableFile(kBundle / "Contents/MacOS/dovrel-cleaner"));
    EXPECT_EQ(BundleLayout::executableOfBundle(agentBundle), kAgentExecutable);
    EXPECT_EQ(BundleLayout::agentExecutable(app), kAgentExecutable);

    struct Expect {
        fs::path bundle;
        const char* identifier;
        const char* executable;
    };
    for (const Expect& e :
         {Expect{kBundle, "com.halvik.dovrel-cleaner", "dovrel-cleaner"},
          Expect{agentBundle, "com.halvik.dovrel-cleaner-scheduler", "dovrel-cleaner-scheduler"}}) {
        SCOPED_TRACE(e.identifier);
        const BundleInfo info = PlistReader::readInfoPlist(e.bundle);
        EXPECT_EQ(info.value("CFBundleIdentifier"), QString::fromLatin1(e.identifier));
        EXPECT_EQ(info.value("CFBundleExecutable"), QString::fromLatin1(e.executable));
        EXPECT_EQ(info.value("CFBundleShortVersionString"), QStringLiteral(DOVREL_VERSION));
        EXPECT_FALSE(info.value("CFBundleName").value_or(QString()).isEmpty());
        const auto icon = BundleLayout::iconOfBundle(e.bundle);
        ASSERT_TRUE(icon);
        EXPECT_GT(fs::file_size(*icon), 0u);
    }
}

// Runs the agent program with its own settings folder and bus address.
class AgentProgramTest : public ::testing::Test {
protected:
    void setDateAge(qint64 days) {
        Defaults suite(QString::fromLatin1(Defaults::kSharedSuite),
                       dir / "config" / "dovrel-cleaner" / (std::string(Defaults::kSharedSuite) + ".json"));
        ASSERT_TRUE(suite.setDate(QStringLiteral("Date"), QDateTime::currentDateTimeUtc().addDays(-days)));
    }

    // Exit code, or -1 when the program did not end by itself in time.
    int run(const QString& busAddress) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QFile::decodeName((dir / "config").c_str()));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(env);
        process.start(QFile::decodeName(kAgentExecutable.c_str()), {});
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished(5000);
            return -1;
        }
        stderrText = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QString noBus() const {
        return QStringLiteral("unix:path=") + QFile::decodeName((dir / "no-bus").c_str());
    }

    test::TempDir dir;
    QProcess process;
    QString stderrText;
};

TEST_F(AgentProgramTest, QuitsQuietlyWhenNothingIsDue) {
    EXPECT_EQ(run(noBus()), 0); // no "Date" at all
    EXPECT_TRUE(stderrText.isEmpty()) << stderrText.toStdString();

    setDateAge(20);
    EXPECT_EQ(run(noBus()), 0);
    EXPECT_TRUE(stderrText.isEmpty()) << stderrText.toStdString();
}

TEST_F(AgentProgramTest, DueWithoutASessionBusSaysSoOnceAndQuitsCleanly) {
    setDateAge(21);
    EXPECT_EQ(run(noBus()), 0);
    const QStringList lines = stderrText.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << stderrText.toStdString();
    EXPECT_TRUE(lines.front().contains(QStringLiteral("dovrel-cleaner-scheduler")));
}

} // namespace
} // namespace dovrel
