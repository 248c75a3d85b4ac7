#include "platform/gui/LocalReporting.h"
#include "platform/Defaults.h"
#include "platform/gui/FeedbackDialog.h"

#include "GuiTestSupport.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>

namespace dovrel {
namespace {

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int countFiles(const std::filesystem::path& folder, const std::string& prefix) {
    int n = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            ++n;
    return n;
}

TEST(LocalReporting, EachTrackingReportIsOneLineInTheUsageLog) {
    test::TempDir tmp;
    LocalReporting reporting(tmp / "reports");
    reporting.sendTrackingReport();
    reporting.sendTrackingReport();
    const std::string log = readAll(reporting.usageLog());
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
    EXPECT_NE(log.find("dovrel-cleaner"), std::string::npos);
    EXPECT_EQ(reporting.trackingReportsSent(), 2);
}

TEST(LocalReporting, APendingCrashReportIsTakenOnceAndKept) {
    test::TempDir tmp;
    LocalReporting reporting(tmp / "reports");
    EXPECT_FALSE(reporting.takePendingIssueReport().has_value());
    std::filesystem::create_directories(reporting.folder());
    std::ofstream(reporting.crashReport()) << "Signal: 11\n";
    const std::optional<QString> report = reporting.takePendingIssueReport();
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->contains(QStringLiteral("Signal: 11")));
    EXPECT_FALSE(reporting.takePendingIssueReport().has_value());
    EXPECT_EQ(countFiles(reporting.folder(), "crash-2"), 1); // archived as crash-<date>.txt
}

TEST(LocalReporting, APlantedLinkIsNotAReport) {
    test::TempDir tmp;
    LocalReporting reporting(tmp / "reports");
    std::filesystem::create_directories(reporting.folder());
    std::filesystem::create_symlink("/etc/hostname", reporting.crashReport());
    EXPECT_FALSE(reporting.takePendingIssueReport().has_value());
}

TEST(LocalReportingDeathTest, AFatalSignalLeavesAReportForTheNextLaunch) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The same folder in this process and in the re-run child.
    const std::filesystem::path folder = Defaults::configFolder() / "death-signal";
    std::filesystem::remove_all(folder);
    EXPECT_DEATH(
        {
            LocalReporting reporting(folder);
            reporting.setupIssuesController(true);
            std::raise(SIGSEGV);
        },
        "");
    LocalReporting next(folder);
    const std::optional<QString> report = next.takePendingIssueReport();
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->contains(QStringLiteral("Signal: %1").arg(SIGSEGV))) << report->toStdString();
}

TEST(LocalReportingDeathTest, AnUncaughtExceptionIsReportedWithItsMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::filesystem::path folder = Defaults::configFolder() / "death-terminate";
    std::filesystem::remove_all(folder);
    EXPECT_DEATH(
        {
            LocalReporting reporting(folder);
            reporting.setupIssuesController(true);
            std::terminate_handler handler = std::get_terminate();
            try {
                throw std::runtime_error("disk on fire");
            } catch (...) {
                handler();
            }
        },
        "");
    const std::optional<QString> report = LocalReporting(folder).takePendingIssueReport();
    ASSERT_TRUE(report.has_value());
    EXPECT_TRUE(report->contains(QStringLiteral("disk on fire"))) << report->toStdString();
    EXPECT_FALSE(report->contains(QStringLiteral("Signal:"))); // abort() did not overwrite it
}

FeedbackDialog* openFeedbackDialog(LocalReporting& reporting) {
    reporting.showFeedbackDialog(nullptr, 0);
    FeedbackDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<FeedbackDialog*>(w); d && d->isVisible())
            dialog = d;
    return dialog;
}

QString shown(const std::filesystem::path& p) {
    return QFile::decodeName(QByteArray::fromStdString(p.native()));
}

TEST(LocalReporting, FeedbackDialogSavesWhatTheUserWroteAndSaysWhere) {
    test::TempDir tmp;
    LocalReporting reporting(tmp / "reports");
    FeedbackDialog* dialog = openFeedbackDialog(reporting);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(
        dialog->findChild<QLabel*>(QStringLiteral("intro"))->text().contains(shown(reporting.folder())));
    EXPECT_FALSE(dialog->sendButton()->isEnabled()); // nothing written yet
    dialog->editor()->setPlainText(QStringLiteral("Please add a dark mode switch."));
    ASSERT_TRUE(dialog->sendButton()->isEnabled());
    dialog->sendButton()->click();
    test::spin();
    ASSERT_EQ(countFiles(reporting.folder(), "feedback-"), 1);
    for (const auto& entry : std::filesystem::directory_iterator(reporting.folder())) {
        if (entry.path().filename().string().rfind("feedback-", 0) == 0) {
            EXPECT_EQ(readAll(entry.path()), "Please add a dark mode switch.");
            EXPECT_TRUE(dialog->outcomeLabel()->isVisible());
            EXPECT_TRUE(dialog->outcomeLabel()->text().contains(shown(entry.path())))
                << dialog->outcomeLabel()->text().toStdString();
        }
    }
    EXPECT_FALSE(dialog->sendButton()->isVisible()); // sent once; only Close is left
    dialog->closeButton()->click();
}

TEST(LocalReporting, FeedbackThatCannotBeSavedStaysInTheDialog) {
    test::TempDir tmp;
    std::ofstream(tmp / "reports") << "a file where the folder should be";
    LocalReporting reporting(tmp / "reports");
    FeedbackDialog* dialog = openFeedbackDialog(reporting);
    ASSERT_NE(dialog, nullptr);
    dialog->editor()->setPlainText(QStringLiteral("Keep me."));
    dialog->sendButton()->click();
    test::spin();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->outcomeLabel()->isVisible());
    EXPECT_TRUE(dialog->outcomeLabel()->text().contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(dialog->editor()->toPlainText(), QStringLiteral("Keep me."));
    EXPECT_TRUE(dialog->sendButton()->isVisible());
    dialog->closeButton()->click();
}

TEST(LocalReporting, EmptyFeedbackIsNotSaved) {
    test::TempDir tmp;
    LocalReporting reporting(tmp / "reports");
    EXPECT_FALSE(reporting.saveFeedback(QStringLiteral("   \n")).has_value());
}

} // namespace
} // namespace dovrel
