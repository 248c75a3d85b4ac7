#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

namespace dovrel::test {

// Runs the real dovrel-cleaner-cli with raw byte arguments and a private
// settings folder; bounded in time.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Starts the program without waiting; its standard output goes to
// `stdoutFile` when one is given (for instance /dev/full).
inline void startCli(QProcess& p, const std::vector<std::string>& args,
                     const std::filesystem::path& configHome, const QString& stdoutFile = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(configHome.string()));
    p.setProcessEnvironment(env);
    if (!stdoutFile.isEmpty())
        p.setStandardOutputFile(stdoutFile);
    QStringList list;
    for (const auto& a : args)
        list << QString::fromLocal8Bit(a.data(), static_cast<qsizetype>(a.size()));
    p.start(QStringLiteral(DOVREL_CLI_PATH), list);
}

inline CliRun finishCli(QProcess& p, int timeoutMs = 60000) {
    CliRun r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

inline CliRun runCli(const std::vector<std::string>& args, const std::filesystem::path& configHome,
                     int timeoutMs = 60000, const QString& stdoutFile = {}) {
    QProcess p;
    startCli(p, args, configHome, stdoutFile);
    return finishCli(p, timeoutMs);
}

} // namespace dovrel::test
