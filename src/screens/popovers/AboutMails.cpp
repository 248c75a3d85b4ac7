#include "screens/popovers/AboutMails.h"

#include "engine/Cleaner.h"
#include "fs/PathOps.h"
#include "platform/gui/Workspace.h"

namespace dovrel {

AboutMails::AboutMails(std::function<Cleaner*()> cleaner, QWidget* parent)
    : AboutPopover(tr("Mail attachments"),
                   tr("Mail, Airmail and Spark keep copies of attachments and downloaded messages on your "
                      "disk. Removing them is safe as long as your mail stays on the mail server: messages "
                      "and their attachments are downloaded again when you open them."),
                   tr("Show Downloads Folder"), std::move(cleaner), parent) {
    setObjectName(QStringLiteral("AboutMails"));
}

void AboutMails::show(QObject* sender) {
    Q_UNUSED(sender);
    Cleaner* cleaner = engine();
    if (cleaner && cleaner->url_mails && PathOps::exists(*cleaner->url_mails))
        Workspace::reveal(*cleaner->url_mails);
}

} // namespace dovrel
