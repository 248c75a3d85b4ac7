#pragma once

#include "controls/Popover.h"
#include "engine/CategoryTable.h"
#include "engine/CleanerItem.h"
#include "engine/SmartOutlineItem.h"
#include "fs/Types.h"
#include "platform/gui/PreviewPanel.h"
#include "screens/results/BrowserTicks.h"
#include "screens/results/CategorySelection.h"
#include "screens/results/CleanItemMenu.h"
#include "screens/results/KeptEntries.h"
#include "screens/results/SelectionSlot.h"
#include "shell/Screen.h"

#include <QPersistentModelIndex>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace dovrel {

class AppDelegate;
class Cleaner;
class Defaults;
class SmartCleanOutlineModel;
class SmartCleanOutlineView;

// The results screen ("SmartClean" in the "SmartClean" storyboard): the seven
// categories of the last smart scan as a two-level outline, the selected
// total, and the remove button that hands the selection to the cleanup.
// It deletes nothing itself.
//
// Data model. For every category c (outline order: caches, logs, remainders,
// browsers, mails, installs, trash) three lists of equal length, named after
// the category (`caches`, `store_caches`, `empty_caches`, ...):
//
//   store_<c>   the category's entries as the scan found them (never changes)
//   <c>         the selection: slot i holds entry i (selected) or "Empty"
//   empty_<c>   "Empty" at every position: the value of "nothing selected"
//
// Lists are compared by value: equal to the full list = fully selected, equal
// to the empty list = nothing selected, else partly selected. These lists are
// the only record of the selection: the outline's model reads them, and the
// rows are drawn from what it reads.
//
// Sizes. A category row shows its SmartOutlineItem's `size`: the category
// total at first; ticking or unticking the whole category, or unticking its
// last selected entry, resets it to the category total; ticking one entry adds
// that entry's size (after setting it to 0 if nothing was selected); unticking
// one subtracts it. `smart_junk` is the sum of the sizes of the categories
// with anything selected (a category with nothing selected shows its full
// total at half opacity but counts 0).
//
// Browsers. Which browser sources are selected follows the browser choice
// of the scan (see BrowserTicks).
//
// Row views. The rows are painted from the model (SmartOutlineRowView,
// CleanItemRowView and their cell views); telling a row view selectItem,
// unselectItem or mixedItem is a repaint of that row from the lists, and rows
// that are not on screen are drawn right when they next appear.
//
// Category popovers (about_item). The about button of category c opens the
// controller registered in the screen's storyboard under
// kAboutIdentifiers[c] ("AboutCaches", "AboutLogs", "AboutRemainders",
// "AboutBrowsers", "AboutMails", "AboutInstalls", "AboutTrash"). To provide
// one, register a Screen subclass with the screen factory:
//
//   factory.registerScreen(QString::fromLatin1(Storyboard::kSmartClean),
//                          QStringLiteral("AboutCaches"),
//                          [] { return std::make_unique<AboutCaches>(); });
//
// AboutPopoverOpener opens it (what the popover does with it and who keeps
// it alive is described there). An identifier with nothing registered opens
// nothing.
//
// Object names for tests and tools: the outline "outlineview" (its rows are
// exposed through QAccessible: title, formatted size, tick state), the total
// "size", the button "remove_button" (accessible name contains "Remove"), the
// row buttons "outline_button" and "about_button", the menu "cleanItemMenu".
class SmartCleanViewController : public Screen, public PreviewPanelDataSource {
    Q_OBJECT
public:
    // The categories in outline order are those of CategoryTable.
    static constexpr int kCategories = static_cast<int>(CategoryTable::kCount);
    // Popover identifiers in outline order.
    static const char* const kAboutIdentifiers[kCategories];
    // Outline positions of the categories that expand on their own.
    static constexpr int kBrowsers = 3;
    static constexpr int kMails = 4;
    static constexpr int kInstalls = 5;
    static constexpr int kTrash = 6;
    static constexpr int kExpandDelayMs = 700;

    // `cleaner` gives the engine whose results are shown (the shared one when
    // empty).
    explicit SmartCleanViewController(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);
    ~SmartCleanViewController() override;

    // Copies the results of the engine (once) and loads the outline.
    void viewDidLoad() override;
    // Schedules the automatic expansion 0.7 s later, bound to lifetime().
    void viewWillAppear() override;

    AppDelegate* appDelegate = nullptr;
    Defaults* app_settings = nullptr;
    Cleaner* sharedCleaner = nullptr;

    SelectionList caches, store_caches, empty_caches;
    SelectionList logs, store_logs, empty_logs;
    SelectionList remainders, store_remainders, empty_remainders;
    SelectionList browsers, store_browsers, empty_browsers;
    SelectionList mails, store_mails, empty_mails;
    SelectionList installs, store_installs, empty_installs;
    SelectionList trash, store_trash, empty_trash;

    // The seven category rows: copies of the engine's rows (the engine's own
    // are never changed).
    std::vector<std::shared_ptr<SmartOutlineItem>> outlineItems;
    // What is selected, in bytes.
    ByteCount smart_junk = 0;
    // The entry row whose context menu is open; invalid stands for -1.
    QPersistentModelIndex selectedRow;
    // The item the preview panel shows.
    std::optional<Location> preview_url;
    QPointer<PreviewPanel> previewPanel;

    // The lists of category c (0..6).
    SelectionList& selectionList(int c) { return selection_.selection(c); }
    const SelectionList& selectionList(int c) const { return selection_.selection(c); }
    const SelectionList& fullList(int c) const { return selection_.full(c); }
    const SelectionList& emptyList(int c) const { return selection_.empty(c); }
    // The engine's total of category c (totalCacheSize, ...).
    ByteCount categoryTotal(int c) const { return selection_.categoryTotal(c); }

    enum class Tick { Off, On, Mixed };
    Tick tickState(int c) const;
    // A category whose total is 0: no check box, no size, no outline button.
    bool isCategoryEmpty(int c) const { return categoryTotal(c) <= 0; }
    // Expandable while its shown size is above 0.
    bool isItemExpandable(int c) const;
    bool isEntrySelected(int c, int position) const { return selection_.isEntrySelected(c, position); }

    // ---- actions ----

    // The check box of category `row` was clicked and now reports `reported`
    // (mixed counts as on). A row outside the outline counts as row 0.
    void select_smart_outline_item(int row, Qt::CheckState reported);
    // The check box of an entry row was clicked and is now `on`. A click that
    // would not change the entry's state changes nothing.
    void select_item(const QModelIndex& entryRow, bool on);

    // What was kept on this screen ("Always Keep"; see KeptEntries).
    KeptEntries& keptEntries() { return kept_; }
    const KeptEntries& keptEntries() const { return kept_; }
    // Ticking one entry on or off. `rowIndex` is the entry's position under
    // its category (its outline row minus the category's row minus 1).
    void select_cache_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                           int rowIndex);
    void unselect_cache_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                             int rowIndex);
    void select_log_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                         int rowIndex);
    void unselect_log_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                           int rowIndex);
    void select_remainder_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                               int rowIndex);
    void unselect_remainder_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                                 int rowIndex);
    void select_browser_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                             int rowIndex);
    void unselect_browser_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                               int rowIndex);
    void select_mail_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                          int rowIndex);
    void unselect_mail_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                            int rowIndex);
    void select_install_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                             int rowIndex);
    void unselect_install_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                               int rowIndex);
    void select_trash_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                           int rowIndex);
    void unselect_trash_item(const ResultEntry& item, const std::shared_ptr<SmartOutlineItem>& smartItem,
                             int rowIndex);

    // Recomputes smart_junk and shows it.
    void update_ui();

    // The outline button of a category row: collapse it if expanded, else
    // expand it.
    void show_items(QWidget* sender);
    // The about button of a category row: its popover (see above).
    void about_item(QWidget* sender);
    // Hands the selection to the cleanup: the engine's `files` and
    // `wasCleaned`, then "smart_cleanup_view_controller".
    void remove();

    // The context menu (see CleanItemMenu): `row` is the row under the click
    // (invalid: none). Category rows and browser or mail rows get no menu.
    void rightMouseDown(const QModelIndex& row, const QPoint& globalPos);
    void quick_look_item();

    int numberOfPreviewItemsInPreviewPanel(PreviewPanel* panel) override;
    std::optional<Location> previewItemAtIndex(PreviewPanel* panel, int index) override;

    // Outlets.
    SmartCleanOutlineView* outlineview() const { return outlineview_; }
    SmartCleanOutlineModel* outlineModel() const { return model_; }
    QLabel* sizeLabel() const { return size_; }
    QPushButton* remove_button() const { return remove_button_; }
    CleanItemMenu* cleanItemMenu() const { return cleanItemMenu_; }
    // The popover opened last by this screen (while it exists).
    Popover* popover() const { return popover_; }

private:
    void expandOnAppear();
    void expandCategory(int c);
    void collapseCategory(int c);
    // The generic form of the fourteen select_/unselect_ operations.
    void tickEntry(int c, const ResultEntry& entry, int position, bool on);

    std::function<Cleaner*()> cleanerProvider_;
    CategorySelection selection_;
    KeptEntries kept_{*this, selection_};
    BrowserTicks browserTicks_;
    SmartCleanOutlineModel* model_ = nullptr;
    SmartCleanOutlineView* outlineview_ = nullptr;
    QLabel* size_ = nullptr;
    QPushButton* remove_button_ = nullptr;
    CleanItemMenu* cleanItemMenu_ = nullptr;
    QPointer<Popover> popover_;
};

} // namespace dovrel
