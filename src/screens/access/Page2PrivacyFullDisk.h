#pragma once

#include "screens/access/PrivacyFullDiskPage.h"

namespace dovrel {

// Second instruction page ("PrivacyFullDiskPage2"): how to allow reading.
class Page2PrivacyFullDisk : public PrivacyFullDiskPage {
    Q_OBJECT
public:
    explicit Page2PrivacyFullDisk(QWidget* parent = nullptr);
    void page_prev();
    void page_next();
};

} // namespace dovrel
