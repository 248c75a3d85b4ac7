#include "controls/ReducedMotion.h"

#include <QProcess>
#include <QStandardPaths>

#include <cmath>

namespace dovrel {

double ReducedMotion::durationFactor(const std::optional<QByteArray>& durationFactorVariable,
                                     const std::optional<QString>& enableAnimations) {
    if (enableAnimations && enableAnimations->trimmed() == QLatin1String("false"))
        return 0;
    if (durationFactorVariable) {
        bool ok = false;
        const double factor = durationFactorVariable->trimmed().toDouble(&ok);
        if (ok && std::isfinite(factor) && factor >= 0)
            return factor;
    }
    return 1;
}

std::optional<QString> ReducedMotion::readEnableAnimations(int timeoutMs) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                            QStringLiteral("enable-animations")});
    if (!process.waitForStarted(timeoutMs))
        return std::nullopt;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(100);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

double ReducedMotion::desktopDurationFactor(int timeoutMs) {
    std::optional<QByteArray> variable;
    if (qEnvironmentVariableIsSet("QT_ANIMATION_DURATION_FACTOR"))
        variable = qgetenv("QT_ANIMATION_DURATION_FACTOR");
    return durationFactor(variable, readEnableAnimations(timeoutMs));
}

} // namespace dovrel
