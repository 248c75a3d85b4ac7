#pragma once

#include "screens/popovers/AboutPopover.h"

namespace dovrel {

// The information popover of the "trash" category ("AboutTrash").
class AboutTrash : public AboutPopover {
    Q_OBJECT
public:
    explicit AboutTrash(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    // Shows the Trash: its ".DS_Store" entry selected when that exists, otherwise the Trash
    // folder selected in its parent as long as its location is set.
    void show(QObject* sender) override;
    using QWidget::show;
};

} // namespace dovrel
