#include "screens/popovers/AboutTrash.h"

#include "engine/Cleaner.h"

namespace dovrel {

AboutTrash::AboutTrash(std::function<Cleaner*()> cleaner, QWidget* parent)
    : AboutPopover(
          tr("Trash Bin"),
          tr("Files and folders you moved to the Trash. Removing them deletes them for good, so look "
             "inside first if you are not sure. The Trash fills again as you delete files."),
          tr("Show Trash"), std::move(cleaner), parent) {
    setObjectName(QStringLiteral("AboutTrash"));
}

void AboutTrash::show(QObject* sender) {
    Q_UNUSED(sender);
    if (Cleaner* cleaner = engine())
        revealCategoryFolder(cleaner->url_trash);
}

} // namespace dovrel
