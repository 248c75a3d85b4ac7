#include "screens/popovers/SelectBrowsers.h"

#include "controls/DVTShadowLabel.h"
#include "controls/GCheckButton.h"
#include "engine/Cleaner.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/NotificationCenter.h"
#include "platform/gui/HexColor.h"
#include "shell/AppDelegate.h"
#include "shell/NotificationNames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

namespace dovrel {

namespace {

using Browser = BrowserChoice::Browser;

constexpr int kWidth = 340;

std::size_t indexOf(Browser browser) {
    return static_cast<std::size_t>(browser);
}

} // namespace

SelectBrowsers::SelectBrowsers(std::function<Cleaner*()> cleaner, QWidget* parent)
    : Screen(parent), cleanerProvider_(std::move(cleaner)) {
    setObjectName(QStringLiteral("SelectBrowsers"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 22, 24, 20);
    layout->setSpacing(12);

    auto* heading = new DVTShadowLabel(tr("Choose the browsers to clean"), this);
    heading->setWordWrap(true);
    heading->setStyleSheet(QStringLiteral("color: white; font-size: 15px; font-weight: 600;"));
    layout->addWidget(heading);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    const QString names[] = {tr("Google Chrome"), tr("Firefox"), tr("Safari")};
    const char* const buttonNames[] = {"chrome_button", "mozilla_button", "safari_button"};
    const char* const sizeNames[] = {"chrome_size", "mozilla_size", "safari_size"};
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new GCheckButton(names[i], this);
        buttons_[i]->setObjectName(QString::fromLatin1(buttonNames[i]));
        buttons_[i]->setStyleSheet(QStringLiteral("QCheckBox:disabled { color: rgba(255,255,255,0.45); }"));
        sizes_[i] = new QLabel(formatByteCount(0), this);
        sizes_[i]->setObjectName(QString::fromLatin1(sizeNames[i]));
        sizes_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sizes_[i]->setStyleSheet(QStringLiteral("QLabel { color: white; font-size: 13px; }"
                                                "QLabel:disabled { color: rgba(255,255,255,0.45); }"));
        grid->addWidget(buttons_[i], i, 0);
        grid->addWidget(sizes_[i], i, 1);
    }
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);

    auto* note = new QLabel(tr("Browsers you untick keep their data."), this);
    note->setProperty("role", QStringLiteral("caption"));
    note->setStyleSheet(QStringLiteral("color: rgba(255,255,255,0.6); font-size: 12px;"));
    layout->addWidget(note);

    setFixedSize(kWidth, layout->hasHeightForWidth() ? layout->totalHeightForWidth(kWidth)
                                                     : layout->totalSizeHint().height());

    connect(buttons_[0], &QCheckBox::clicked, this, [this] { select_chrome(buttons_[0]); });
    connect(buttons_[1], &QCheckBox::clicked, this, [this] { select_mozilla(buttons_[1]); });
    connect(buttons_[2], &QCheckBox::clicked, this, [this] { select_safari(buttons_[2]); });
}

void SelectBrowsers::viewDidLoad() {
    app_settings = &Defaults::standard();
    sharedCleaner = cleanerProvider_ ? cleanerProvider_() : Cleaner::sharedCleaner();
    if (!sharedCleaner)
        return;
    chromeItem = sharedCleaner->browser_chrome_item;
    mozillaItem = sharedCleaner->browser_mozilla_item;
    safariItem = sharedCleaner->browser_safari_item;
    choice_.emplace(*sharedCleaner, *app_settings);
    // A Linux home has no Safari: its row is not offered at all.
    const bool safari = sharedCleaner->layout != HomeLayout::Kind::Linux;
    buttons_[indexOf(Browser::safari)]->setVisible(safari);
    sizes_[indexOf(Browser::safari)]->setVisible(safari);
    if (!safari) {
        layout()->invalidate();
        setFixedHeight(layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(kWidth)
                                                     : layout()->totalSizeHint().height());
    }
    for (Browser b : BrowserChoice::kBrowsers) {
        QCheckBox* box = buttons_[indexOf(b)];
        QLabel* size = sizes_[indexOf(b)];
        const bool found = choice_->found(b);
        box->setEnabled(found);
        box->setChecked(found && choice_->isChosen(b));
        size->setEnabled(found);
        size->setText(formatByteCountInList(found ? choice_->size(b) : 0));
    }
}

void SelectBrowsers::viewWillAppear() {
    QWidget* w = window();
    w->setWindowTitle(QStringLiteral("Select browser"));
    Qt::WindowFlags flags =
        w->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint);
    w->setWindowFlags(flags);
    if (w != this && w->layout())
        w->layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (AppDelegate* delegate = AppDelegate::shared())
        w->move(delegate->modalOrigin.toPoint());
}

void SelectBrowsers::select_chrome(QObject* sender) {
    Q_UNUSED(sender);
    select(Browser::chrome);
}

void SelectBrowsers::select_mozilla(QObject* sender) {
    Q_UNUSED(sender);
    select(Browser::mozilla);
}

void SelectBrowsers::select_safari(QObject* sender) {
    Q_UNUSED(sender);
    select(Browser::safari);
}

void SelectBrowsers::select(Browser browser) {
    QCheckBox* box = buttons_[indexOf(browser)];
    const bool on = box->isChecked();
    if (!choice_ || !choice_->setChosen(browser, on)) {
        box->setChecked(choice_ && choice_->isChosen(browser));
        return;
    }
    app_settings->setBool(BrowserChoice::key(browser), on);
    NotificationCenter::defaultCenter().post(
        QString::fromLatin1(NotificationNames::browsers_selection_changed));
}

void SelectBrowsers::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), HexColor::colorFromHexString(QStringLiteral("515360")));
}

// Presses that no control took arrive here: the background moves the window.
void SelectBrowsers::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        Screen::mousePressEvent(event);
        return;
    }
    QWidget* w = window();
    if (w->windowHandle() && w->windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - w->frameGeometry().topLeft();
    event->accept();
}

void SelectBrowsers::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        window()->move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    Screen::mouseMoveEvent(event);
}

void SelectBrowsers::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    Screen::mouseReleaseEvent(event);
}

} // namespace dovrel
