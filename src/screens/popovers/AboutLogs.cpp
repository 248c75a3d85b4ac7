#include "screens/popovers/AboutLogs.h"

#include "engine/Cleaner.h"

namespace dovrel {

AboutLogs::AboutLogs(std::function<Cleaner*()> cleaner, QWidget* parent)
    : AboutPopover(
          tr("Applications logs"),
          tr("Applications and the system write notes about their work and their errors into log "
             "files. Nothing needs old logs to run, so removing them is safe. New logs are written as "
             "applications keep running."),
          tr("Show Logs Folder"), std::move(cleaner), parent) {
    setObjectName(QStringLiteral("AboutLogs"));
}

void AboutLogs::show(QObject* sender) {
    Q_UNUSED(sender);
    if (Cleaner* cleaner = engine())
        revealCategoryFolder(cleaner->url_logs);
}

} // namespace dovrel
