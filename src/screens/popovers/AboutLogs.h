#pragma once

#include "screens/popovers/AboutPopover.h"

namespace dovrel {

// The information popover of the "logs" category ("AboutLogs").
class AboutLogs : public AboutPopover {
    Q_OBJECT
public:
    explicit AboutLogs(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    // Shows the logs folder: its ".DS_Store" entry selected when that exists, otherwise the
    // folder itself as long as its location is set.
    void show(QObject* sender) override;
    using QWidget::show;
};

} // namespace dovrel
