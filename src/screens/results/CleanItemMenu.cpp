#include "screens/results/CleanItemMenu.h"

#include "platform/gui/ItemInfoWindow.h"
#include "platform/gui/PreviewPanel.h"
#include "platform/gui/Workspace.h"
#include "screens/results/OutlineEntry.h"
#include "screens/results/RevealNotice.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanOutlineView.h"
#include "screens/results/SmartCleanViewController.h"

#include <QPointer>

namespace dovrel {

CleanItemMenu::CleanItemMenu(SmartCleanViewController& screen)
    : QMenu(&screen), screen_(screen), notice_(new RevealNotice(&screen)) {
    setObjectName(QStringLiteral("cleanItemMenu"));
    QAction* reveal = addAction(tr("Show in File Manager"));
    reveal->setObjectName(QStringLiteral("show_item_in_finder"));
    QAction* look = addAction(tr("Quick Look"));
    look->setObjectName(QStringLiteral("quick_look_item"));
    QAction* info = addAction(tr("Get Info"));
    info->setObjectName(QStringLiteral("get_item_info"));
    addSeparator();
    keep_ = addAction(tr("Always Keep"));
    keep_->setObjectName(QStringLiteral("always_keep_item"));
    stopKeeping_ = addAction(tr("Stop Keeping"));
    stopKeeping_->setObjectName(QStringLiteral("stop_keeping_item"));
    connect(keep_, &QAction::triggered, this, [this] { always_keep_item(); });
    connect(stopKeeping_, &QAction::triggered, this, [this] { stop_keeping_item(); });
    connect(reveal, &QAction::triggered, this, [this] { show_item_in_finder(); });
    connect(look, &QAction::triggered, this, [this] { quick_look_item(); });
    connect(info, &QAction::triggered, this, [this] { get_item_info(); });
    connect(this, &QMenu::aboutToHide, this, [this] { menuDidClose(); });
}

void CleanItemMenu::rightMouseDown(const QModelIndex& row, const QPoint& globalPos) {
    SmartCleanOutlineModel* model = screen_.outlineModel();
    if (!row.isValid() || model == nullptr) {
        screen_.selectedRow = QPersistentModelIndex();
        return;
    }
    const ResultEntry* entry = model->entryAt(row);
    if (SmartCleanOutlineModel::isCategory(row) || entry == nullptr ||
        !OutlineEntry::hasContextMenu(*entry)) {
        screen_.selectedRow = QPersistentModelIndex();
        return;
    }
    screen_.selectedRow = row.siblingAtColumn(0);
    // One of the two, as the entry stands.
    const bool kept = screen_.keptEntries().holds(*entry);
    keep_->setVisible(!kept);
    stopKeeping_->setVisible(kept);
    screen_.outlineview()->showSelection(screen_.selectedRow);
    popup(globalPos);
}

void CleanItemMenu::menuDidClose() {
    screen_.outlineview()->hideSelection(screen_.selectedRow);
}

const ResultEntry* CleanItemMenu::menuEntry() const {
    SmartCleanOutlineModel* model = screen_.outlineModel();
    if (!screen_.selectedRow.isValid() || model == nullptr)
        return nullptr;
    const ResultEntry* entry = model->entryAt(screen_.selectedRow);
    return entry != nullptr && OutlineEntry::hasContextMenu(*entry) ? entry : nullptr;
}

void CleanItemMenu::show_item_in_finder() {
    const ResultEntry* entry = menuEntry();
    if (entry == nullptr)
        return;
    const std::vector<Location> locations = OutlineEntry::fileManagerLocations(*entry);
    if (locations.empty())
        return;
    const std::string bytes = locations.front().filename().native();
    const QString name = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    notice_->showOpening();
    QPointer<RevealNotice> notice(notice_);
    Workspace::activateFileViewerSelectingURLs(locations, [notice, name](Workspace::Revealed outcome) {
        if (notice)
            notice->showOutcome(outcome, name);
    });
}

void CleanItemMenu::always_keep_item() {
    const ResultEntry* entry = menuEntry();
    if (entry == nullptr)
        return;
    QString error;
    const QString name = OutlineEntry::title(*entry);
    if (screen_.keptEntries().keep(screen_.selectedRow, error))
        notice_->showNote(tr("“%1” will always be kept. Preferences lists what is kept.").arg(name));
    else
        notice_->showNote(tr("“%1” could not be added to the kept items: %2").arg(name, error));
}

void CleanItemMenu::stop_keeping_item() {
    const ResultEntry* entry = menuEntry();
    if (entry == nullptr)
        return;
    QString error;
    const QString name = OutlineEntry::title(*entry);
    if (screen_.keptEntries().stopKeeping(screen_.selectedRow, error))
        notice_->showNote(tr("“%1” is no longer kept; tick it to remove it.").arg(name));
    else if (!error.isEmpty())
        notice_->showNote(tr("“%1” could not be taken off the kept items: %2").arg(name, error));
}

void CleanItemMenu::quick_look_item() {
    const ResultEntry* entry = menuEntry();
    if (entry == nullptr)
        return;
    screen_.preview_url = OutlineEntry::firstLocation(*entry);
    screen_.previewPanel = PreviewPanel::sharedPreviewPanel();
    screen_.previewPanel->setDataSource(screen_.lifetime(), &screen_);
    screen_.previewPanel->makeKeyAndOrderFront(&screen_);
}

void CleanItemMenu::get_item_info() {
    const ResultEntry* entry = menuEntry();
    if (entry == nullptr)
        return;
    const std::optional<Location> item = OutlineEntry::firstLocation(*entry);
    if (!item)
        return;
    SmartCleanViewController* screen = &screen_;
    Workspace::showItemProperties({*item}, screen_.lifetime(), [item = *item, screen](bool shown) {
        if (!shown)
            ItemInfoWindow::showInfo(item, screen);
    });
}

} // namespace dovrel
