#include "screens/access/PrivacyFullDiskPage.h"

#include "controls/CellButton.h"
#include "controls/PushButton.h"
#include "platform/NotificationCenter.h"
#include "shell/NotificationNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrel {

PrivacyFullDiskPage::PrivacyFullDiskPage(int step, const QString& title, const QString& text, bool hasBack,
                                         bool hasNext, QWidget* parent)
    : Screen(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 12);
    layout->setSpacing(10);
    auto* caption = new QLabel(tr("Step %1 of 3").arg(step), this);
    caption->setObjectName(QStringLiteral("stepCaption"));
    layout->addWidget(caption);
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("pageTitle"));
    heading->setWordWrap(true);
    layout->addWidget(heading);
    auto* body = new QLabel(text, this);
    body->setObjectName(QStringLiteral("pageText"));
    body->setWordWrap(true);
    body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(body, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    if (hasBack) {
        back_ = new PushButton(tr("Back"), this);
        back_->setObjectName(QStringLiteral("pageBack"));
        row->addWidget(back_);
    }
    if (hasNext) {
        next_ = new CellButton(ButtonCell::Kind::DVRButtonCell, tr("Next"), this);
        next_->setObjectName(QStringLiteral("pageNext"));
        row->addWidget(next_);
    }
    layout->addLayout(row);
}

void PrivacyFullDiskPage::postNext() {
    NotificationCenter::defaultCenter().post(
        QString::fromLatin1(NotificationNames::navigate_next_in_privacy_full_disk));
}

void PrivacyFullDiskPage::postBack() {
    NotificationCenter::defaultCenter().post(
        QString::fromLatin1(NotificationNames::navigate_back_in_privacy_full_disk));
}

} // namespace dovrel
