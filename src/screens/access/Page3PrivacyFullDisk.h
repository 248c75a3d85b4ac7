#pragma once

#include "screens/access/PrivacyFullDiskPage.h"

namespace dovrel {

// Third instruction page ("PrivacyFullDiskPage3"): confirm the access.
class Page3PrivacyFullDisk : public PrivacyFullDiskPage {
    Q_OBJECT
public:
    explicit Page3PrivacyFullDisk(QWidget* parent = nullptr);
    void page_prev();
};

} // namespace dovrel
