#include "screens/access/PrivacyFullDiskPageController.h"

#include "controls/Animator.h"
#include "platform/NotificationCenter.h"
#include "shell/NotificationNames.h"
#include "shell/Screen.h"

namespace dovrel {

PrivacyFullDiskPageController::PrivacyFullDiskPageController(Storyboard storyboard, QWidget* parent)
    : QWidget(parent),
      storyboard_(std::move(storyboard)), arrangedObjects_{QStringLiteral("PrivacyFullDiskPage1"),
                                                           QStringLiteral("PrivacyFullDiskPage2"),
                                                           QStringLiteral("PrivacyFullDiskPage3")} {
    setObjectName(QStringLiteral("PrivacyFullDiskPageController"));
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(NotificationNames::navigate_next_in_privacy_full_disk),
                       [this] { navigateForward(); });
    center.addObserver(this, QString::fromLatin1(NotificationNames::navigate_back_in_privacy_full_disk),
                       [this] { navigateBack(); });
    showPage(0, 0);
}

void PrivacyFullDiskPageController::navigateForward() {
    if (selectedIndex_ + 1 < arrangedObjects_.size())
        showPage(selectedIndex_ + 1, 1);
}

void PrivacyFullDiskPageController::navigateBack() {
    if (selectedIndex_ > 0)
        showPage(selectedIndex_ - 1, -1);
}

void PrivacyFullDiskPageController::showPage(int index, int direction) {
    std::unique_ptr<Screen> made =
        storyboard_.instantiateControllerWithIdentifier(arrangedObjects_.at(index));
    if (!made)
        return;
    if (page_) {
        // The old page may be the one whose button is being handled.
        page_->release();
        page_->hide();
        page_->deleteLater();
    }
    selectedIndex_ = index;
    Screen* page = made.release();
    page->setParent(this);
    page->loadViewIfNeeded();
    page->setGeometry(rect());
    page_ = page;
    page->viewWillAppear();
    page->show();
    page->viewDidAppear();
    if (direction != 0) // slide in from the side we are moving to
        Animator::basic(page, "pos", QPoint(direction * width() / 3, 0), QPoint(0, 0), 250,
                        QEasingCurve::OutCubic);
}

void PrivacyFullDiskPageController::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (page_)
        page_->setGeometry(rect());
}

} // namespace dovrel
