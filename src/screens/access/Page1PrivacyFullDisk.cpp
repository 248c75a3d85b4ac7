#include "screens/access/Page1PrivacyFullDisk.h"

#include <QPushButton>

namespace dovrel {

Page1PrivacyFullDisk::Page1PrivacyFullDisk(QWidget* parent)
    : PrivacyFullDiskPage(1, tr("Dovrel Cleaner needs to read protected files"),
                          tr("Some data in your home folder, such as the browser files under Library, "
                             "can only be read with full access. Without it Dovrel Cleaner cannot measure "
                             "or clean them."),
                          false, true, parent) {
    setObjectName(QStringLiteral("Page1PrivacyFullDisk"));
    connect(nextButton(), &QPushButton::clicked, this, &Page1PrivacyFullDisk::next_page);
}

void Page1PrivacyFullDisk::next_page() {
    postNext();
}

} // namespace dovrel
