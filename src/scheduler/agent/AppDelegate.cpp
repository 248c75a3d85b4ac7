#include "scheduler/agent/AppDelegate.h"

#include "platform/Defaults.h"
#include "scheduler/BundleLayout.h"
#include "scheduler/SchedulerKeys.h"
#include "scheduler/agent/ApplicationLauncher.h"
#include "scheduler/agent/DesktopNotifications.h"

#include <QFile>
#include <QUrl>
#include <QVariantMap>

namespace dovrel::agent {

namespace {

// One line on stderr: the agent has no other place to say why it gave up.
void logLine(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qWarning().noquote() << QStringLiteral("dovrel-cleaner-scheduler:") << text;
}

} // namespace

AppDelegate::AppDelegate(const Defaults& cleaner_settings, Clock& clock, DesktopNotifications& center,
                         std::filesystem::path agentBundle, QObject* parent)
    : QObject(parent), cleaner_settings_(cleaner_settings), clock_(clock), center_(center),
      agentBundle_(std::move(agentBundle)), timer_(clock.makeTimer()) {
    connect(&center_, &DesktopNotifications::delivered, this, &AppDelegate::didDeliverNotification);
    connect(&center_, &DesktopNotifications::failed, this, &AppDelegate::didFailToDeliver);
    connect(&center_, &DesktopNotifications::actionInvoked, this, &AppDelegate::didActivateNotification);
}

AppDelegate::~AppDelegate() = default;

std::int64_t AppDelegate::daysFrom(const QDateTime& from, const QDateTime& to) {
    // C++ integer division truncates toward zero.
    return from.secsTo(to) / (24 * 60 * 60);
}

void AppDelegate::applicationDidFinishLaunching() {
    launchDate_ = clock_.now();
    const std::optional<QDateTime> date =
        cleaner_settings_.dateForKey(QString::fromLatin1(SchedulerKeys::kDate));
    if (!date || daysFrom(*date, launchDate_) < kDaysBeforeReminder) {
        finish();
        return;
    }
    // With no session bus now there will be none later in this login.
    if (!center_.connectToBus()) {
        logLine(QStringLiteral("no session bus, no reminder: ") + center_.lastError());
        finish();
        return;
    }
    timer_->start(kTimerPeriod, true, [this] { scheduler_timer_proc(); });
}

void AppDelegate::scheduler_timer_proc() {
    if (posted_ || terminated_)
        return;
    if (launchDate_.msecsTo(clock_.now()) <= std::chrono::milliseconds(kWaitAfterLaunch).count())
        return;
    posted_ = true;
    timer_->stop();

    QString icon;
    if (const auto file = BundleLayout::iconOfBundle(agentBundle_))
        icon = QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(file->native())))
                   .toString(QUrl::FullyEncoded);
    const QString appName = BundleLayout::infoString(agentBundle_, "CFBundleName")
                                .value_or(QString::fromLatin1(BundleLayout::kAgentExecutableName));
    QVariantMap hints;
    hints.insert(QStringLiteral("sound-name"), QStringLiteral("message-new-instant"));
    center_.notify(appName, icon, tr("It's time for cleanup your Mac"),
                   tr("Launch Dovrel cleaner and perform cleanup of your Mac."),
                   {QString::fromLatin1(kLaunchAction), tr("Launch")}, hints, -1);
}

void AppDelegate::didDeliverNotification(uint id) {
    if (terminated_ || notificationId_)
        return;
    notificationId_ = id;
    removalTimer_ = clock_.makeTimer();
    removalTimer_->start(kNotificationLifetime, false, [this, id] { center_.close(id); });
}

void AppDelegate::didFailToDeliver(const QString& message) {
    if (terminated_)
        return;
    logLine(QStringLiteral("no notification service, no reminder: ") + message);
    finish();
}

void AppDelegate::didActivateNotification(uint id, const QString& key) {
    // Only our own notification's "Launch" button counts; a click on the
    // body ("default") does nothing.
    if (terminated_ || !notificationId_ || id != *notificationId_ || key != QLatin1String(kLaunchAction))
        return;
    ApplicationLauncher::launchApplication(BundleLayout::enclosingApplication(agentBundle_));
    finish();
}

void AppDelegate::finish() {
    if (terminated_)
        return;
    terminated_ = true;
    timer_->stop();
    emit terminate();
}

} // namespace dovrel::agent
