#pragma once

#include "screens/popovers/AboutPopover.h"

namespace dovrel {

// The information popover of the "caches" category ("AboutCaches").
class AboutCaches : public AboutPopover {
    Q_OBJECT
public:
    explicit AboutCaches(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    // Shows the caches folder: its ".DS_Store" entry selected when that exists, otherwise the
    // folder itself as long as its location is set.
    void show(QObject* sender) override;
    using QWidget::show;
};

} // namespace dovrel
