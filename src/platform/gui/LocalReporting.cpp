#include "platform/gui/LocalReporting.h"

#include "platform/Defaults.h"
#include "platform/gui/FeedbackDialog.h"

#include <QDateTime>
#include <QFile>

#include <csignal>
#include <cstring>
#include <exception>

#include <fcntl.h>
#include <unistd.h>

#ifndef DOVREL_VERSION
#define DOVREL_VERSION "unknown"
#endif

// Crash handling
//
//   setupIssuesController(true)
//        |  copies the report path into g_reportPath (static storage)
//        |  installs onFatalSignal for SEGV, BUS, FPE, ILL, ABRT (one shot)
//        v  installs onTerminate as the std::terminate handler
//   crash --> onFatalSignal: open/write/close the fixed text, re-raise
//   uncaught exception --> onTerminate: write the text with the exception's
//        message, mark it written, abort() --> onFatalSignal sees the mark and
//        only re-raises.
//
// Nothing in the signal path allocates or takes a lock.

namespace dovrel {

namespace {

char g_reportPath[4096] = {};
volatile std::sig_atomic_t g_reportWritten = 0;
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void writeAll(int fd, const char* text, std::size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

void writeText(int fd, const char* text) {
    writeAll(fd, text, std::strlen(text));
}

// Decimal digits of a small non-negative number, without the C library's
// formatting (not async-signal-safe).
void writeNumber(int fd, int value) {
    char digits[16];
    int n = 0;
    unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0 && n < 15);
    char out[16];
    for (int i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    writeAll(fd, out, static_cast<std::size_t>(n));
}

int openReport() {
    if (g_reportPath[0] == '\0')
        return -1;
    return ::open(g_reportPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
}

void onFatalSignal(int signal) {
    if (!g_reportWritten) {
        g_reportWritten = 1;
        const int fd = openReport();
        if (fd >= 0) {
            writeText(fd, "Dovrel Cleaner " DOVREL_VERSION " stopped unexpectedly.\nSignal: ");
            writeNumber(fd, signal);
            writeText(fd, "\n");
            ::close(fd);
        }
    }
    // The handler was installed one-shot: the default action runs now.
    ::raise(signal);
}

void onTerminate() {
    if (!g_reportWritten) {
        g_reportWritten = 1;
        const int fd = openReport();
        if (fd >= 0) {
            writeText(fd, "Dovrel Cleaner " DOVREL_VERSION " stopped unexpectedly.\nUnhandled exception");
            if (std::exception_ptr current = std::current_exception()) {
                try {
                    std::rethrow_exception(current);
                } catch (const std::exception& e) {
                    writeText(fd, ": ");
                    writeText(fd, e.what());
                } catch (...) {
                }
            }
            writeText(fd, "\n");
            ::close(fd);
        }
    }
    std::abort();
}

} // namespace

LocalReporting::LocalReporting() : LocalReporting(Defaults::configFolder() / "reports") {}

LocalReporting::LocalReporting(std::filesystem::path folder) : folder_(std::move(folder)) {}

bool LocalReporting::ensureFolder() const {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    return std::filesystem::is_directory(folder_, ec);
}

void LocalReporting::sendTrackingReport() {
    ++trackingReports_;
    if (!ensureFolder())
        return;
    QFile log(QFile::decodeName(QByteArray::fromStdString(usageLog().native())));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QByteArray line = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1() +
                            QByteArray(" dovrel-cleaner " DOVREL_VERSION "\n");
    log.write(line);
}

void LocalReporting::setupIssuesController(bool reportingUnhandledIssues) {
    issuesStarted_ = true;
    if (!reportingUnhandledIssues || !ensureFolder())
        return;
    const std::string path = crashReport().native();
    if (path.size() >= sizeof(g_reportPath))
        return;
    std::memcpy(g_reportPath, path.c_str(), path.size() + 1);
    g_reportWritten = 0;

    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int signal : kFatalSignals)
        ::sigaction(signal, &action, nullptr);
    std::set_terminate(onTerminate);
}

std::optional<QString> LocalReporting::takePendingIssueReport() {
    const std::filesystem::path report = crashReport();
    QFile file(QFile::decodeName(QByteArray::fromStdString(report.native())));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(report, ec)))
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(64 * 1024);
    file.close();
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    std::filesystem::rename(report, folder_ / ("crash-" + stamp + ".txt"), ec);
    if (ec)
        std::filesystem::remove(report, ec);
    return QString::fromUtf8(bytes);
}

std::optional<std::filesystem::path> LocalReporting::saveFeedback(const QString& text) {
    if (text.trimmed().isEmpty() || !ensureFolder())
        return std::nullopt;
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")).toStdString();
    const std::filesystem::path target = folder_ / ("feedback-" + stamp + ".txt");
    QFile file(QFile::decodeName(QByteArray::fromStdString(target.native())));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return std::nullopt;
    file.write(text.toUtf8());
    return target;
}

void LocalReporting::showFeedbackDialog(QWidget* parent, int mode) {
    Q_UNUSED(mode); // one style only
    auto* dialog = new FeedbackDialog(QFile::decodeName(QByteArray::fromStdString(folder_.native())), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &FeedbackDialog::submitted, dialog, [this, dialog](const QString& text) {
        if (const std::optional<std::filesystem::path> saved = saveFeedback(text))
            dialog->showSaved(QFile::decodeName(QByteArray::fromStdString(saved->native())));
        else
            dialog->showNotSaved();
    });
    dialog->open();
}

} // namespace dovrel
