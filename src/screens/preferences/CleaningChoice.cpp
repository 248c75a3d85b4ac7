#include "screens/preferences/CleaningChoice.h"

#include "engine/CleaningMode.h"
#include "platform/Defaults.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace dovrel {

CleaningChoice::CleaningChoice(Defaults& settings, QWidget* parent)
    : QWidget(parent), settings_(settings), box_(new QComboBox(this)) {
    setObjectName(QStringLiteral("cleaning_choice"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("When cleaning:"), this);
    label->setBuddy(box_);
    row->addWidget(label);
    // In CleaningMode::Mode order.
    box_->addItem(tr("Delete permanently"));
    box_->addItem(tr("Move to the Trash"));
    box_->setAccessibleName(tr("When cleaning"));
    row->addWidget(box_, 1);
    box_->setCurrentIndex(CleaningMode::stored(settings_) == CleaningMode::Mode::Trash ? 1 : 0);
    connect(box_, &QComboBox::currentIndexChanged, this, [this](int index) {
        CleaningMode::store(settings_, index == 1 ? CleaningMode::Mode::Trash : CleaningMode::Mode::Delete);
    });
}

} // namespace dovrel
