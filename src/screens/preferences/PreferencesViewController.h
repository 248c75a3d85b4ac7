#pragma once

#include "shell/FolderGrants.h"
#include "shell/Screen.h"

#include <functional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;

namespace dovrel {

class Cleaner;
class Defaults;
class KeepList;
class FolderPicker;
class SchedulerSwitch;

// The preferences screen ("Preferences"), shown as a dialog of the main
// window: the checkbox that switches the cleanup reminders on and off
// (ticked on load when "Scheduler" is set), and the two granted folders.
//
// The Applications row is shown only where the home layout reads that folder
// (not for a Linux home, see HomeLayout::needsApplicationsGrant), and follows
// a change of the layout choice at once.
//
// Each folder row shows the stored path and a warning when the grant is
// stale, its folder is gone, or it fails the name test; "Change…" picks
// another folder under the same rules as the first launch (FolderGrants). A
// refused pick is explained and stores nothing. A stored change is handed to
// the engine, which takes it at the start of the next scan.
//
// Escape, Ctrl+W and the Close button (Return) close it.
class PreferencesViewController : public Screen {
    Q_OBJECT
public:
    // Without a picker the folders cannot be changed; without `cleaner` the
    // shared engine follows a change.
    explicit PreferencesViewController(SchedulerSwitch& schedulerSwitch, FolderPicker* picker = nullptr,
                                       std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    void viewDidLoad() override;
    // The checkbox's action.
    void enable_scheduler();
    // The "Change…" buttons' actions.
    void change_home();
    void change_applications();

    Defaults* app_settings = nullptr;
    QCheckBox* scheduler_button() const { return scheduler_button_; }

    struct FolderRow {
        QLabel* title = nullptr;
        QLabel* path = nullptr;
        QLabel* warning = nullptr;
        QPushButton* change = nullptr;
    };
    const FolderRow& row(FolderGrants::Kind kind) const {
        return kind == FolderGrants::Kind::Home ? homeRow_ : appsRow_;
    }
    // The refusal of the last pick, empty when there is none.
    QString message() const;
    QPushButton* closeButton() const { return close_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FolderRow addFolderRow(QGridLayout* grid, int line, const QString& title, FolderGrants::Kind kind);
    void change(FolderGrants::Kind kind);
    void picked(FolderGrants::Kind kind, const std::filesystem::path& folder);
    void showFolder(FolderGrants::Kind kind);
    // The kept items list, from the keep list as stored now.
    void showKeptItems();
    void remove_kept_item();
    // The amber line under the sections ("" hides it).
    void showMessage(const QString& text);
    void add_kept_item();
    // Whether the Applications folder is read for the granted home.
    bool usesApplications() const;

    SchedulerSwitch& switch_;
    FolderPicker* picker_;
    std::function<Cleaner*()> cleaner_;
    QCheckBox* scheduler_button_;
    FolderRow homeRow_;
    FolderRow appsRow_;
    QLabel* totally_cleaned_;
    QListWidget* kept_;
    QPushButton* removeKept_;
    QPushButton* addKept_;
    KeepList* keepList_ = nullptr;
    QLabel* message_;
    QPushButton* close_;
};

} // namespace dovrel
