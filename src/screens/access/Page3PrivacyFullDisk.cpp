#include "screens/access/Page3PrivacyFullDisk.h"

#include <QPushButton>

namespace dovrel {

Page3PrivacyFullDisk::Page3PrivacyFullDisk(QWidget* parent)
    : PrivacyFullDiskPage(3, tr("Check the access"),
                          tr("When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the "
                             "access and closes this window once it can read the protected files."),
                          true, false, parent) {
    setObjectName(QStringLiteral("Page3PrivacyFullDisk"));
    connect(backButton(), &QPushButton::clicked, this, &Page3PrivacyFullDisk::page_prev);
}

void Page3PrivacyFullDisk::page_prev() {
    postBack();
}

} // namespace dovrel
