#include "screens/access/Page2PrivacyFullDisk.h"

#include <QPushButton>

namespace dovrel {

Page2PrivacyFullDisk::Page2PrivacyFullDisk(QWidget* parent)
    : PrivacyFullDiskPage(2, tr("Allow your account to read them"),
                          tr("On Linux there is no Full Disk Access list: a file can be read when your "
                             "account has read permission for it. Press “Open Settings” to show the "
                             "protected file in your file manager, open its Properties and allow reading "
                             "for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also "
                             "give it access to your home folder in that system's permission settings."),
                          true, true, parent) {
    setObjectName(QStringLiteral("Page2PrivacyFullDisk"));
    connect(backButton(), &QPushButton::clicked, this, &Page2PrivacyFullDisk::page_prev);
    connect(nextButton(), &QPushButton::clicked, this, &Page2PrivacyFullDisk::page_next);
}

void Page2PrivacyFullDisk::page_prev() {
    postBack();
}
void Page2PrivacyFullDisk::page_next() {
    postNext();
}

} // namespace dovrel
