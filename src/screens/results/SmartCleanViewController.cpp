#include "screens/results/SmartCleanViewController.h"

#include "controls/Animator.h"
#include "controls/CellButton.h"
#include "controls/CleanButton.h"
#include "controls/DVTShadowLabel.h"
#include "controls/Popover.h"
#include "engine/Cleaner.h"
#include "engine/CleaningMode.h"
#include "engine/HandOver.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "screens/results/AboutPopoverOpener.h"
#include "screens/results/CleanItemMenu.h"
#include "screens/results/RevealNotice.h"
#include "screens/results/SmartCleanOutlineModel.h"
#include "screens/results/SmartCleanOutlineView.h"
#include "shell/AppDelegate.h"
#include "shell/NotificationNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <chrono>

namespace dovrel {

namespace {

// Where the ticked items go follows Preferences.
QString hintText() {
    return CleaningMode::stored(Defaults::standard()) == CleaningMode::Mode::Trash
               ? SmartCleanViewController::tr(
                     "Untick what you want to keep. Everything ticked goes to the Trash.")
               : SmartCleanViewController::tr(
                     "Untick what you want to keep. Everything ticked is removed for good.");
}

} // namespace

using Model = SmartCleanOutlineModel;

const char* const SmartCleanViewController::kAboutIdentifiers[kCategories] = {
    "AboutCaches", "AboutLogs",     "AboutRemainders", "AboutBrowsers",
    "AboutMails",  "AboutInstalls", "AboutTrash"};

SmartCleanViewController::SmartCleanViewController(std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleanerProvider_(std::move(cleaner)), selection_(*this), browserTicks_(*this) {
    setObjectName(QStringLiteral("SmartCleanViewController"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 26, 36, 24);
    layout->setSpacing(12);

    auto* header = new QHBoxLayout;
    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    auto* title = new DVTShadowLabel(tr("Smart Scan results"));
    title->setProperty("role", QStringLiteral("title"));
    heading->addWidget(title);
    auto* hint = new QLabel(hintText());
    hint->setObjectName(QStringLiteral("hint"));
    hint->setProperty("role", QStringLiteral("caption"));
    heading->addWidget(hint);
    header->addLayout(heading, 1);
    auto* total = new QVBoxLayout;
    total->setSpacing(0);
    size_ = new QLabel(formatByteCount(0));
    size_->setObjectName(QStringLiteral("size"));
    size_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    size_->setStyleSheet(QStringLiteral("color: white; font-size: 26px; font-weight: 600;"));
    total->addWidget(size_);
    auto* totalCaption = new QLabel(tr("selected"));
    totalCaption->setProperty("role", QStringLiteral("caption"));
    totalCaption->setAlignment(Qt::AlignRight);
    total->addWidget(totalCaption);
    header->addLayout(total);
    layout->addLayout(header);

    auto* panel = new CleanButton;
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(6, 8, 6, 8);
    outlineview_ = new SmartCleanOutlineView(panel);
    panelLayout->addWidget(outlineview_);
    layout->addWidget(panel, 1);

    auto* footer = new QHBoxLayout;
    footer->addStretch(1);
    remove_button_ = new CellButton(ButtonCell::Kind::PushButtonCell, tr("Remove"));
    remove_button_->setObjectName(QStringLiteral("remove_button"));
    remove_button_->setAccessibleName(tr("Remove the ticked items"));
    remove_button_->setMinimumWidth(150);
    remove_button_->setCursor(Qt::PointingHandCursor);
    footer->addWidget(remove_button_);
    layout->addLayout(footer);
    size_->setAccessibleName(tr("Selected size"));

    cleanItemMenu_ = new CleanItemMenu(*this);

    connect(remove_button_, &QPushButton::clicked, this, [this] { remove(); });
    connect(outlineview_, &SmartCleanOutlineView::outlineButtonClicked, this,
            [this](QWidget* b) { show_items(b); });
    connect(outlineview_, &SmartCleanOutlineView::aboutButtonClicked, this,
            [this](QWidget* b) { about_item(b); });
    connect(outlineview_, &SmartCleanOutlineView::contextMenuRequested, this,
            [this](const QModelIndex& row, const QPoint& at) { rightMouseDown(row, at); });
    outlineview_->setExpandableCheck(
        [this](const QModelIndex& row) { return isItemExpandable(Model::categoryOf(row)); });
    setTabOrder(outlineview_, remove_button_);
}

SmartCleanViewController::~SmartCleanViewController() {
    // The model reads this screen's lists: it must go while they still exist,
    // before the widgets are torn down (which still paints and moves focus).
    outlineview_->setModel(nullptr);
    delete model_;
    // The preview panel outlives the screen; it must not ask a dead one.
    if (previewPanel && previewPanel->dataSource() == this)
        previewPanel->setDataSource(nullptr, nullptr);
}

// ---- lists ----

SmartCleanViewController::Tick SmartCleanViewController::tickState(int c) const {
    if (selectionList(c) == fullList(c))
        return Tick::On;
    if (selectionList(c) == emptyList(c))
        return Tick::Off;
    return Tick::Mixed;
}

bool SmartCleanViewController::isItemExpandable(int c) const {
    return c >= 0 && c < static_cast<int>(outlineItems.size()) &&
           outlineItems[static_cast<std::size_t>(c)]->size > 0;
}

// ---- loading ----

void SmartCleanViewController::viewDidLoad() {
    appDelegate = AppDelegate::shared();
    app_settings = &Defaults::standard();
    sharedCleaner = cleanerProvider_ ? cleanerProvider_() : Cleaner::sharedCleaner();

    // Each category's entries: everything starts selected.
    const auto results = HandOver::categories(*sharedCleaner);
    for (int c = 0; c < kCategories; ++c) {
        SelectionList copy;
        if (const auto& result = results[static_cast<std::size_t>(c)]; result && result->items)
            for (const ResultEntry& entry : *result->items)
                copy.push_back(SelectionSlot::of(entry));
        selection_.load(c, std::move(copy));
    }

    // The engine's rows, copied so that the sizes shown here never change the engine's.
    outlineItems.clear();
    for (const auto& row : sharedCleaner->smart_outline_items)
        if (row)
            outlineItems.push_back(std::make_shared<SmartOutlineItem>(*row));
    // Everything starts ticked; what two categories both found counts once.
    smart_junk = selection_.selectedTotal();
    size_->setText(formatByteCountInList(smart_junk));

    // Without the seven rows of a finished scan there is nothing to show, and
    // what is not shown is never handed over.
    if (outlineItems.size() != static_cast<std::size_t>(kCategories)) {
        outlineItems.clear();
        selection_.clear();
        smart_junk = 0;
        size_->setText(formatByteCountInList(smart_junk));
    }
    browserTicks_.showBrowserChoice();
    if (lifetime() != nullptr)
        NotificationCenter::defaultCenter().addObserver(
            lifetime(), QString::fromLatin1(NotificationNames::browsers_selection_changed),
            [this] { browserTicks_.showBrowserChoice(); });

    const Grant::Resolution applications =
        Grant::resolve(*app_settings, QString::fromLatin1(Grant::kApplicationsKey));
    model_ = new SmartCleanOutlineModel(*this, applications.folder, this);
    outlineview_->setModel(model_);
    outlineview_->setAnimated(Animator::durationFactor() > 0);
}

void SmartCleanViewController::viewWillAppear() {
    // Where the ticked items go follows Preferences, read as the screen shows.
    if (auto* hint = findChild<QLabel*>(QStringLiteral("hint")))
        hint->setText(hintText());
    if (lifetime() == nullptr)
        return;
    Dispatch::main_after(lifetime(), std::chrono::milliseconds(kExpandDelayMs), [this] {
        expandOnAppear();
        // Said once per scan, when the screen stands at its size.
        if (sharedCleaner && cleanItemMenu_)
            cleanItemMenu_->revealNotice()->showSkipped(sharedCleaner->skipped_places);
    });
}

void SmartCleanViewController::expandOnAppear() {
    if (outlineItems.empty())
        return;
    auto sizeOf = [this](int c) { return outlineItems[static_cast<std::size_t>(c)]->size; };
    if (sizeOf(kBrowsers) > 0)
        expandCategory(kBrowsers);
    if (sizeOf(kMails) > 0)
        expandCategory(kMails);
    if (sizeOf(kTrash) > 0)
        expandCategory(kTrash);
    else if (sizeOf(kInstalls) > 0)
        expandCategory(kInstalls);
}

void SmartCleanViewController::expandCategory(int c) {
    const QModelIndex row = model_->categoryIndex(c);
    outlineview_->expand(row);
    outlineview_->hideItems(row);
}

void SmartCleanViewController::collapseCategory(int c) {
    const QModelIndex row = model_->categoryIndex(c);
    outlineview_->collapse(row);
    outlineview_->showItems(row);
}

// ---- ticking ----

void SmartCleanViewController::select_smart_outline_item(int row, Qt::CheckState reported) {
    if (outlineItems.empty())
        return;
    if (row < 0 || row >= kCategories)
        row = 0;
    if (reported == Qt::PartiallyChecked)
        reported = Qt::Checked; // a click on a mixed box selects everything
    if (row == kBrowsers) {
        browserTicks_.tickAll(reported == Qt::Checked);
        return;
    }
    selection_.tickCategory(row, reported == Qt::Checked);
    if (reported == Qt::Checked)
        kept_.untickIn(row);
    // The category's row view and every entry row view redraw from the lists.
    model_->entriesChanged(row);
    model_->categoryChanged(row);
    update_ui();
}

void SmartCleanViewController::select_item(const QModelIndex& entryRow, bool on) {
    if (model_ == nullptr || Model::isCategory(entryRow) || !entryRow.isValid())
        return;
    const int c = Model::categoryOf(entryRow);
    const int position = Model::positionOf(entryRow);
    const ResultEntry* entry = model_->entryAt(entryRow);
    if (entry == nullptr || isEntrySelected(c, position) == on)
        return;
    const auto& smartItem = outlineItems[static_cast<std::size_t>(c)];
    using Op =
        void (SmartCleanViewController::*)(const ResultEntry&, const std::shared_ptr<SmartOutlineItem>&, int);
    static const Op select[kCategories] = {
        &SmartCleanViewController::select_cache_item,     &SmartCleanViewController::select_log_item,
        &SmartCleanViewController::select_remainder_item, &SmartCleanViewController::select_browser_item,
        &SmartCleanViewController::select_mail_item,      &SmartCleanViewController::select_install_item,
        &SmartCleanViewController::select_trash_item};
    static const Op unselect[kCategories] = {
        &SmartCleanViewController::unselect_cache_item,     &SmartCleanViewController::unselect_log_item,
        &SmartCleanViewController::unselect_remainder_item, &SmartCleanViewController::unselect_browser_item,
        &SmartCleanViewController::unselect_mail_item,      &SmartCleanViewController::unselect_install_item,
        &SmartCleanViewController::unselect_trash_item};
    (this->*(on ? select : unselect)[c])(*entry, smartItem, position);
}

void SmartCleanViewController::tickEntry(int c, const ResultEntry& entry, int position, bool on) {
    if (c < 0 || position < 0 || position >= static_cast<int>(selectionList(c).size()))
        return;
    if (c == kBrowsers) {
        browserTicks_.tick(entry, on);
        return;
    }
    if (on && kept_.holds(entry))
        return; // kept on this screen: never ticked again
    selection_.tickEntry(c, entry, position, on);
    // The entry's row view (selectItem / unselectItem) and the category's
    // (selectItem, mixedItem or unselectItem) redraw from the lists.
    model_->entryChanged(c, position);
    model_->categoryChanged(c);
    update_ui();
}

// The fourteen twins differ only in the lists they use, that is, in the category.
void SmartCleanViewController::select_cache_item(const ResultEntry& item,
                                                 const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                 int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 0, item, rowIndex, true);
}

void SmartCleanViewController::unselect_cache_item(const ResultEntry& item,
                                                   const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                   int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 0, item, rowIndex, false);
}

void SmartCleanViewController::select_log_item(const ResultEntry& item,
                                               const std::shared_ptr<SmartOutlineItem>& smartItem,
                                               int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 1, item, rowIndex, true);
}

void SmartCleanViewController::unselect_log_item(const ResultEntry& item,
                                                 const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                 int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 1, item, rowIndex, false);
}

void SmartCleanViewController::select_remainder_item(const ResultEntry& item,
                                                     const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                     int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 2, item, rowIndex, true);
}

void SmartCleanViewController::unselect_remainder_item(const ResultEntry& item,
                                                       const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                       int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 2, item, rowIndex, false);
}

void SmartCleanViewController::select_browser_item(const ResultEntry& item,
                                                   const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                   int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 3, item, rowIndex, true);
}

void SmartCleanViewController::unselect_browser_item(const ResultEntry& item,
                                                     const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                     int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 3, item, rowIndex, false);
}

void SmartCleanViewController::select_mail_item(const ResultEntry& item,
                                                const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 4, item, rowIndex, true);
}

void SmartCleanViewController::unselect_mail_item(const ResultEntry& item,
                                                  const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                  int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 4, item, rowIndex, false);
}

void SmartCleanViewController::select_install_item(const ResultEntry& item,
                                                   const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                   int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 5, item, rowIndex, true);
}

void SmartCleanViewController::unselect_install_item(const ResultEntry& item,
                                                     const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                     int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 5, item, rowIndex, false);
}

void SmartCleanViewController::select_trash_item(const ResultEntry& item,
                                                 const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                 int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 6, item, rowIndex, true);
}

void SmartCleanViewController::unselect_trash_item(const ResultEntry& item,
                                                   const std::shared_ptr<SmartOutlineItem>& smartItem,
                                                   int rowIndex) {
    tickEntry(smartItem ? selection_.categoryOf(smartItem) : 6, item, rowIndex, false);
}

void SmartCleanViewController::update_ui() {
    smart_junk = selection_.selectedTotal();
    size_->setText(formatByteCountInList(smart_junk));
    // The name is what a screen reader says: it must carry the figure.
    size_->setAccessibleName(tr("Selected size: %1").arg(size_->text()));
}

// ---- row buttons ----

void SmartCleanViewController::show_items(QWidget* sender) {
    const QModelIndex row = outlineview_->rowForView(sender);
    if (!row.isValid())
        return;
    const int c = Model::categoryOf(row);
    if (outlineview_->isExpanded(row.siblingAtColumn(0)))
        collapseCategory(c);
    else if (isItemExpandable(c))
        expandCategory(c);
}

void SmartCleanViewController::about_item(QWidget* sender) {
    const QModelIndex row = outlineview_->rowForView(sender);
    const int c = row.isValid() ? Model::categoryOf(row) : 0;
    if (Popover* popover = AboutPopoverOpener::open(*this, QString::fromLatin1(kAboutIdentifiers[c]),
                                                    sender != nullptr ? sender : outlineview_, appDelegate))
        popover_ = popover;
}

// ---- hand-over ----

void SmartCleanViewController::remove() {
    if (sharedCleaner == nullptr)
        return;
    // Walks the engine's category results in hand-over order and keeps what
    // the selection lists hold (an entry whose slot holds it).
    std::vector<Location> files =
        HandOver::build(*sharedCleaner, [this](const QString& tag, const ResultEntry& e) {
            return selection_.holds(tag, e) && !kept_.holds(e);
        });
    // The keep list as it stands now has the last word (it may have grown in
    // Preferences while these results were shown).
    HandOver::dropKept(*sharedCleaner, files);
    sharedCleaner->files = std::move(files);
    sharedCleaner->wasCleaned = smart_junk;
    NotificationCenter::defaultCenter().post(
        QString::fromLatin1(NotificationNames::smart_cleanup_view_controller));
}

// ---- context menu ----

void SmartCleanViewController::rightMouseDown(const QModelIndex& row, const QPoint& globalPos) {
    cleanItemMenu_->rightMouseDown(row, globalPos);
}

void SmartCleanViewController::quick_look_item() {
    cleanItemMenu_->quick_look_item();
}

int SmartCleanViewController::numberOfPreviewItemsInPreviewPanel(PreviewPanel*) {
    return 1;
}

std::optional<Location> SmartCleanViewController::previewItemAtIndex(PreviewPanel*, int) {
    return preview_url;
}

} // namespace dovrel
