#pragma once

#include "screens/popovers/AboutPopover.h"

namespace dovrel {

// The information popover of the "mails" category ("AboutMails").
class AboutMails : public AboutPopover {
    Q_OBJECT
public:
    explicit AboutMails(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    // Shows the mail application's downloads folder selected in its parent
    // when that folder exists; nothing otherwise.
    void show(QObject* sender) override;
    using QWidget::show;
};

} // namespace dovrel
