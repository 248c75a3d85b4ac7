#include "screens/preferences/LayoutChoice.h"

#include "layout/HomeLayout.h"
#include "platform/Defaults.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace dovrel {

LayoutChoice::LayoutChoice(Defaults& settings, QWidget* parent)
    : QWidget(parent), settings_(settings), box_(new QComboBox(this)) {
    setObjectName(QStringLiteral("layout_choice"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Home folder layout:"), this);
    label->setBuddy(box_);
    row->addWidget(label);
    box_->addItem(tr("Automatic"));
    box_->addItem(QStringLiteral("macOS"));
    box_->addItem(QStringLiteral("Linux"));
    box_->setAccessibleName(tr("Home folder layout"));
    row->addWidget(box_, 1);
    const auto stored = HomeLayout::preferred(settings_);
    box_->setCurrentIndex(!stored ? 0 : *stored == HomeLayout::Kind::MacOS ? 1 : 2);
    connect(box_, &QComboBox::currentIndexChanged, this, &LayoutChoice::store);
}

void LayoutChoice::store(int index) {
    std::optional<HomeLayout::Kind> kind;
    if (index == 1)
        kind = HomeLayout::Kind::MacOS;
    else if (index == 2)
        kind = HomeLayout::Kind::Linux;
    HomeLayout::setPreferred(settings_, kind);
}

} // namespace dovrel
