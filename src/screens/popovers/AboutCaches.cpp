#include "screens/popovers/AboutCaches.h"

#include "engine/Cleaner.h"

namespace dovrel {

AboutCaches::AboutCaches(std::function<Cleaner*()> cleaner, QWidget* parent)
    : AboutPopover(
          tr("Applications caches"),
          tr("Applications keep copies of data they downloaded or worked out before, so they can start "
             "and work faster. Removing caches is safe: your documents and settings stay as they are. "
             "Applications rebuild what they need as you use them, so they may start a little slower "
             "the first time."),
          tr("Show Caches Folder"), std::move(cleaner), parent) {
    setObjectName(QStringLiteral("AboutCaches"));
}

void AboutCaches::show(QObject* sender) {
    Q_UNUSED(sender);
    if (Cleaner* cleaner = engine())
        revealCategoryFolder(cleaner->url_caches);
}

} // namespace dovrel
