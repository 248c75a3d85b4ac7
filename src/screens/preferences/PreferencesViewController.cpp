#include "screens/preferences/PreferencesViewController.h"

#include "controls/DVTShadowLabel.h"
#include "controls/SwitchButton.h"
#include "engine/Cleaner.h"
#include "engine/KeepList.h"
#include "layout/HomeLayout.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/gui/FolderPicker.h"
#include "scheduler/SchedulerSwitch.h"
#include "screens/preferences/CleaningChoice.h"
#include "screens/preferences/LayoutChoice.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrel {

namespace {

constexpr int kWidth = 520;

QLabel* sectionTitle(const QString& text, QWidget* parent) {
    auto* title = new DVTShadowLabel(text, parent);
    title->setProperty("role", QStringLiteral("title"));
    title->setStyleSheet(QStringLiteral("font-size: 18px;"));
    return title;
}

} // namespace

PreferencesViewController::PreferencesViewController(SchedulerSwitch& schedulerSwitch, FolderPicker* picker,
                                                     std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), switch_(schedulerSwitch), picker_(picker), cleaner_(std::move(cleaner)) {
    setObjectName(QStringLiteral("PreferencesViewController"));
    setWindowTitle(tr("Preferences"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(8);
    // The window takes the size of its content and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    layout->addWidget(sectionTitle(tr("Reminders"), this));
    scheduler_button_ = new SwitchButton(tr("Remind me to clean up regularly"), this);
    scheduler_button_->setObjectName(QStringLiteral("scheduler_button"));
    layout->addWidget(scheduler_button_);
    auto* hint = new QLabel(tr("A small helper starts with your session and tells you when it is time "
                               "for a clean-up."),
                            this);
    hint->setProperty("role", QStringLiteral("caption"));
    hint->setWordWrap(true);
    hint->setFixedWidth(kWidth);
    layout->addWidget(hint);
    auto* layoutChoice = new LayoutChoice(Defaults::standard(), this);
    layout->addWidget(layoutChoice);
    connect(scheduler_button_, &QCheckBox::clicked, this, &PreferencesViewController::enable_scheduler);

    layout->addSpacing(12);
    layout->addWidget(sectionTitle(tr("Folders"), this));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(1, 1);
    homeRow_ = addFolderRow(grid, 0, tr("Home folder"), FolderGrants::Kind::Home);
    appsRow_ = addFolderRow(grid, 2, tr("Applications"), FolderGrants::Kind::Applications);
    layout->addLayout(grid);
    connect(homeRow_.change, &QPushButton::clicked, this, &PreferencesViewController::change_home);
    connect(appsRow_.change, &QPushButton::clicked, this, &PreferencesViewController::change_applications);
    // The choice stores itself first (its own connection is older).
    connect(layoutChoice->box(), &QComboBox::currentIndexChanged, this, [this] {
        if (app_settings)
            showFolder(FolderGrants::Kind::Applications);
    });

    layout->addSpacing(12);
    layout->addWidget(sectionTitle(tr("Cleaning"), this));
    auto* cleaningChoice = new CleaningChoice(Defaults::standard(), this);
    layout->addWidget(cleaningChoice);

    layout->addSpacing(12);
    layout->addWidget(sectionTitle(tr("Kept Items"), this));
    auto* keptHint = new QLabel(tr("Never offered for removal, with everything inside them."), this);
    keptHint->setProperty("role", QStringLiteral("caption"));
    keptHint->setWordWrap(true);
    keptHint->setFixedWidth(kWidth);
    layout->addWidget(keptHint);
    kept_ = new QListWidget(this);
    kept_->setObjectName(QStringLiteral("kept_items"));
    kept_->setAccessibleName(tr("Kept Items"));
    kept_->setFixedSize(kWidth, 96);
    kept_->setTextElideMode(Qt::ElideMiddle);
    layout->addWidget(kept_);
    auto* keptButtons = new QHBoxLayout;
    keptButtons->addStretch(1);
    removeKept_ = new QPushButton(tr("Remove"), this);
    removeKept_->setObjectName(QStringLiteral("remove_kept"));
    removeKept_->setAccessibleName(tr("Remove Kept Item"));
    addKept_ = new QPushButton(tr("Add…"), this);
    addKept_->setObjectName(QStringLiteral("add_kept"));
    addKept_->setAccessibleName(tr("Add Kept Folder…"));
    keptButtons->addWidget(removeKept_);
    keptButtons->addWidget(addKept_);
    layout->addLayout(keptButtons);
    connect(removeKept_, &QPushButton::clicked, this, &PreferencesViewController::remove_kept_item);
    connect(addKept_, &QPushButton::clicked, this, &PreferencesViewController::add_kept_item);
    connect(kept_, &QListWidget::currentRowChanged, this,
            [this](int row) { removeKept_->setEnabled(row >= 0 && keepList_ != nullptr); });

    layout->addSpacing(12);
    layout->addWidget(sectionTitle(tr("Cleaned So Far"), this));
    totally_cleaned_ = new QLabel(this);
    totally_cleaned_->setObjectName(QStringLiteral("totally_cleaned"));
    totally_cleaned_->setWordWrap(true);
    totally_cleaned_->setFixedWidth(kWidth);
    layout->addWidget(totally_cleaned_);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setProperty("role", QStringLiteral("caption"));
    message_->setStyleSheet(QStringLiteral("color: #ffd479;"));
    message_->setWordWrap(true);
    message_->setFixedWidth(kWidth);
    message_->hide();
    layout->addWidget(message_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName(QStringLiteral("close"));
    buttons->addWidget(close_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(close_);

    setTabOrder(scheduler_button_, homeRow_.change);
    setTabOrder(homeRow_.change, appsRow_.change);
    setTabOrder(appsRow_.change, cleaningChoice->box());
    setTabOrder(cleaningChoice->box(), kept_);
    setTabOrder(kept_, removeKept_);
    setTabOrder(removeKept_, addKept_);
    setTabOrder(addKept_, close_);
}

PreferencesViewController::FolderRow PreferencesViewController::addFolderRow(QGridLayout* grid, int line,
                                                                             const QString& title,
                                                                             FolderGrants::Kind kind) {
    FolderRow row;
    row.title = new QLabel(title, this);
    row.title->setProperty("role", QStringLiteral("text"));
    grid->addWidget(row.title, line, 0);
    row.path = new QLabel(this);
    row.path->setObjectName(kind == FolderGrants::Kind::Home ? QStringLiteral("homePath")
                                                             : QStringLiteral("applicationsPath"));
    row.path->setProperty("role", QStringLiteral("text"));
    row.path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row.path->setFixedWidth(kWidth - 220);
    grid->addWidget(row.path, line, 1);
    row.change = new QPushButton(tr("Change…"), this);
    row.change->setObjectName(kind == FolderGrants::Kind::Home ? QStringLiteral("changeHome")
                                                               : QStringLiteral("changeApplications"));
    row.change->setAccessibleName(kind == FolderGrants::Kind::Home ? tr("Change Home Folder…")
                                                                   : tr("Change Applications Folder…"));
    row.change->setEnabled(picker_ != nullptr);
    grid->addWidget(row.change, line, 2);
    row.warning = new QLabel(this);
    row.warning->setProperty("role", QStringLiteral("caption"));
    row.warning->setStyleSheet(QStringLiteral("color: #ffd479;"));
    row.warning->setWordWrap(true);
    row.warning->hide();
    grid->addWidget(row.warning, line + 1, 1, 1, 2);
    return row;
}

void PreferencesViewController::viewDidLoad() {
    app_settings = &Defaults::standard();
    if (app_settings->boolForKey(QStringLiteral("Scheduler")))
        scheduler_button_->setChecked(true);
    showFolder(FolderGrants::Kind::Home);
    showFolder(FolderGrants::Kind::Applications);
    Cleaner* cleaner = cleaner_ ? cleaner_() : Cleaner::sharedCleaner();
    keepList_ = cleaner ? cleaner->keep_list : nullptr;
    if (keepList_)
        keepList_->setAsideIfDamaged(); // said through the settings notice
    showKeptItems();
    // What every clean-up so far has removed, as stored after each one.
    const std::int64_t cleaned = app_settings->integerForKey(QStringLiteral("TotallyCleaned"));
    totally_cleaned_->setText(cleaned > 0 ? tr("%1 removed in all clean-ups.").arg(formatByteCount(cleaned))
                                          : tr("Nothing has been cleaned yet."));
    scheduler_button_->setFocus();
}

void PreferencesViewController::showKeptItems() {
    kept_->clear();
    const auto paths = keepList_ ? keepList_->paths() : std::nullopt;
    for (const Location& p : paths.value_or(std::vector<Location>{})) {
        auto* item = new QListWidgetItem(FolderGrants::displayPath(p), kept_);
        item->setData(Qt::UserRole, QByteArray::fromStdString(p.native()));
        item->setToolTip(item->text());
    }
    removeKept_->setEnabled(keepList_ != nullptr && kept_->currentRow() >= 0);
    addKept_->setEnabled(keepList_ != nullptr && picker_ != nullptr);
}

void PreferencesViewController::remove_kept_item() {
    QListWidgetItem* item = kept_->currentItem();
    if (item == nullptr || keepList_ == nullptr)
        return;
    const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
    std::string error;
    if (!keepList_->remove(Location(bytes.toStdString()), error))
        showMessage(tr("“%1” could not be taken off the kept items: %2")
                        .arg(item->text(), QString::fromStdString(error)));
    showKeptItems();
}

void PreferencesViewController::add_kept_item() {
    if (picker_ == nullptr || keepList_ == nullptr)
        return;
    FolderPicker::Request request;
    request.title = tr("Keep a Folder");
    request.prompt = tr("Always Keep");
    const Grant::Resolution home = Grant::resolve(*app_settings, FolderGrants::key(FolderGrants::Kind::Home));
    request.startFolder = home.folder.value_or(std::filesystem::path("/"));
    QPointer<PreferencesViewController> self(this);
    picker_->pickFolder(this, request, [self](std::optional<std::filesystem::path> folder) {
        if (!self || !folder || self->keepList_ == nullptr)
            return;
        std::string error;
        if (!self->keepList_->add(*folder, error))
            self->showMessage(tr("“%1” could not be kept: %2")
                                  .arg(FolderGrants::displayPath(*folder), QString::fromStdString(error)));
        self->showKeptItems();
    });
}

void PreferencesViewController::enable_scheduler() {
    switch_.enable_scheduler(scheduler_button_->isChecked());
}

bool PreferencesViewController::usesApplications() const {
    const Grant::Resolution home = Grant::resolve(*app_settings, FolderGrants::key(FolderGrants::Kind::Home));
    return !home.folder || HomeLayout::needsApplicationsGrant(*home.folder, *app_settings);
}

void PreferencesViewController::showFolder(FolderGrants::Kind kind) {
    const FolderRow& r = row(kind);
    if (kind == FolderGrants::Kind::Applications) {
        const bool used = usesApplications();
        for (QWidget* w :
             {static_cast<QWidget*>(r.title), static_cast<QWidget*>(r.path), static_cast<QWidget*>(r.change)})
            w->setVisible(used);
        if (!used) {
            r.warning->hide();
            return;
        }
    }
    const FolderGrants::State state = FolderGrants::state(*app_settings, kind);
    const QString path = state.folder ? FolderGrants::displayPath(*state.folder) : tr("Not chosen");
    r.path->setText(r.path->fontMetrics().elidedText(path, Qt::ElideMiddle, r.path->width()));
    r.path->setToolTip(path);
    r.path->setAccessibleName(path);

    QString warning;
    switch (state.status) {
    case Grant::Status::NoGrant:
        warning = tr("No folder is allowed yet.");
        break;
    case Grant::Status::Unresolvable:
        warning = tr("This folder is gone. Please choose it again.");
        break;
    case Grant::Status::Stale:
        warning = tr("This folder was replaced since you allowed it. Please choose it again.");
        break;
    case Grant::Status::Resolved:
        if (!state.rightName)
            warning = tr("This folder is not named “%1”. Please choose the right one.")
                          .arg(QString::fromLocal8Bit(FolderGrants::expectedName(kind)));
        break;
    }
    r.warning->setText(warning);
    r.warning->setVisible(!warning.isEmpty());
    r.path->setAccessibleDescription(warning);
}

QString PreferencesViewController::message() const {
    return message_->isHidden() ? QString() : message_->text();
}

void PreferencesViewController::change_home() {
    change(FolderGrants::Kind::Home);
}

void PreferencesViewController::change_applications() {
    change(FolderGrants::Kind::Applications);
}

void PreferencesViewController::change(FolderGrants::Kind kind) {
    if (picker_ == nullptr)
        return;
    QPointer<QObject> alive = lifetime();
    picker_->pickFolder(this, FolderGrants::request(kind, app_settings),
                        [this, alive, kind](std::optional<std::filesystem::path> folder) {
                            if (alive && folder)
                                picked(kind, *folder);
                        });
}

void PreferencesViewController::picked(FolderGrants::Kind kind, const std::filesystem::path& folder) {
    QString refusal;
    switch (FolderGrants::store(*app_settings, kind, folder)) {
    case FolderGrants::Outcome::WrongFolder:
        refusal = FolderGrants::refusal(kind, folder);
        break;
    case FolderGrants::Outcome::NotGranted:
    case FolderGrants::Outcome::Stored: {
        showFolder(kind);
        if (kind == FolderGrants::Kind::Home) // another home may use another layout
            showFolder(FolderGrants::Kind::Applications);
        // The engine keeps its folders until the next scan starts.
        if (Cleaner* cleaner = cleaner_ ? cleaner_() : Cleaner::sharedCleaner())
            cleaner->setNextLocations(
                Grant::resolve(*app_settings, FolderGrants::key(FolderGrants::Kind::Home)).folder,
                Grant::resolve(*app_settings, FolderGrants::key(FolderGrants::Kind::Applications)).folder);
        break;
    }
    }
    showMessage(refusal);
}

void PreferencesViewController::showMessage(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
    if (!text.isEmpty()) {
        QAccessibleEvent changed(message_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void PreferencesViewController::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) || event->matches(QKeySequence::Close) ||
        event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_W)) {
        close();
        event->accept();
        return;
    }
    Screen::keyPressEvent(event);
}

} // namespace dovrel
