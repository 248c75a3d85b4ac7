#include "GuiTestSupport.h"

#include "controls/Animator.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <string>

namespace dovrel::test {

namespace {

// Runs at static initialisation, before anything reads the settings folder.
struct ConfigHome {
    std::filesystem::path folder;
    ConfigHome() {
        // Widget tests never need a display; this also covers the test
        // listing CTest runs before the tests, which gets no environment.
        if (std::getenv("QT_QPA_PLATFORM") == nullptr)
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // A death test's child process re-runs this program: it keeps the
        // parent's folder (and leaves removing it to the parent).
        if (const char* inherited = std::getenv("DOVREL_GUI_TEST_CONFIG_HOME")) {
            ::setenv("XDG_CONFIG_HOME", inherited, 1);
            return;
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "dovrel-gui-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            folder = pattern;
            ::setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
            ::setenv("DOVREL_GUI_TEST_CONFIG_HOME", pattern.c_str(), 1);
        }
    }
    ~ConfigHome() {
        std::error_code ec;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ec);
    }
};
ConfigHome g_configHome;

} // namespace

void resetSettings() {
    Defaults& d = Defaults::standard();
    for (const char* key : {"home", "Applications", "appLaunchCount", "PrivacyAccess", "PrivacyFullDisk",
                            "Scheduler", "EnableScheduler", "TotallyCleaned", "HomeLayout", "CleaningMode"})
        d.removeObjectForKey(QString::fromLatin1(key));
    Defaults::sharedSuite().removeObjectForKey(QStringLiteral("Date"));
}

bool waitFor(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

void spin(int ms) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(ms);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::filesystem::path saveScreenshot(QWidget* widget, const QString& name) {
    const std::filesystem::path folder =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() /
        "screenshots";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // A denser screen (QT_SCALE_FACTOR) saves beside the plain one: "@2x".
    const QPixmap picture = widget->grab();
    const qreal ratio = picture.devicePixelRatio();
    QString suffix = ratio > 1.01 ? QStringLiteral("@%1x").arg(ratio) : QString();
    // And one under a Wayland compositor: "-wayland".
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        suffix += QStringLiteral("-wayland");
    const std::filesystem::path file = folder / ((name + suffix).toStdString() + ".png");
    picture.save(QString::fromStdString(file.string()));
    return file;
}

void setTimeFactors(double dispatch, double animation) {
    Dispatch::setDelayFactor(dispatch);
    Animator::setDurationFactor(animation);
}

} // namespace dovrel::test
