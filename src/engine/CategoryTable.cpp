#include "engine/CategoryTable.h"

#include "engine/Cleaner.h"

#include <QCoreApplication>

namespace dovrel {

namespace {

using C = CategoryId;

constexpr std::array<ScanCategory, CategoryTable::kCount> kTable = {{
    {C::caches, "caches", QT_TRANSLATE_NOOP("dovrel::CategoryTable", "Applications caches"), "Smart cache",
     nullptr, &Cleaner::apps_caches_item, &Cleaner::totalCacheSize},
    {C::logs, "logs", QT_TRANSLATE_NOOP("dovrel::CategoryTable", "Applications logs"), "Smart logs",
     "smart_scan_logs", &Cleaner::apps_logs_item, &Cleaner::totalLogsSize},
    {C::remainders, "remainders", QT_TRANSLATE_NOOP("dovrel::CategoryTable", "Applications remainders"),
     "Smart remainders", "smart_scan_remainders", &Cleaner::apps_remainders_item,
     &Cleaner::totalRemaindersSize},
    {C::browsers, "browsers", QT_TRANSLATE_NOOP("dovrel::CategoryTable", "Browsers"), "Smart browsers",
     "smart_scan_browsers", &Cleaner::browser_item, &Cleaner::totalBrowserSize},
    {C::mails, "mails", QT_TRANSLATE_NOOP("dovrel::CategoryTable", "Mail attachments"), "Smart mails",
     "smart_scan_mails", &Cleaner::mails_item, &Cleaner::totalMailsSize},
    {C::installs, "installs", QT_TRANSLATE_NOOP("dovrel::CategoryTable", "Installation files"),
     "Smart installs", "smart_scan_installs", &Cleaner::install_files_item, &Cleaner::totalInstallSize},
    {C::trash, "trash", QT_TRANSLATE_NOOP("dovrel::CategoryTable", "Trash Bin"), "Smart trash",
     "smart_scan_trash", &Cleaner::trash_item, &Cleaner::totalTrashSize},
}};

constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (kTable[i].index() != i)
            return false;
    return true;
}
static_assert(inIdOrder(), "rows must be in CategoryId order");

} // namespace

const std::array<ScanCategory, CategoryTable::kCount>& CategoryTable::all() {
    return kTable;
}

const ScanCategory* CategoryTable::find(std::string_view tag) {
    for (const ScanCategory& c : all())
        if (tag == c.tag)
            return &c;
    return nullptr;
}

QString CategoryTable::label(const ScanCategory& category) {
    return QCoreApplication::translate(kContext, category.label);
}

} // namespace dovrel
