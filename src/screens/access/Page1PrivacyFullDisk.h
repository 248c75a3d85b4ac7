#pragma once

#include "screens/access/PrivacyFullDiskPage.h"

namespace dovrel {

// First instruction page ("PrivacyFullDiskPage1"): why access is needed.
class Page1PrivacyFullDisk : public PrivacyFullDiskPage {
    Q_OBJECT
public:
    explicit Page1PrivacyFullDisk(QWidget* parent = nullptr);
    void next_page();
};

} // namespace dovrel
