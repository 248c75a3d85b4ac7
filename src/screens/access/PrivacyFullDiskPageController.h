#pragma once

#include "shell/Screen.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace dovrel {

class Screen;

// Shows the three instruction pages one at a time, in the order of its
// arranged objects ("PrivacyFullDiskPage1", "…2", "…3"); the page for an
// identifier is instantiated from the storyboard under that identifier.
// "navigate_next_in_privacy_full_disk" moves one page forward and
// "navigate_back_in_privacy_full_disk" one back; nothing happens past either
// end.
class PrivacyFullDiskPageController : public QWidget {
    Q_OBJECT
public:
    PrivacyFullDiskPageController(Storyboard storyboard, QWidget* parent = nullptr);

    const QStringList& arrangedObjects() const { return arrangedObjects_; }
    int selectedIndex() const { return selectedIndex_; }
    Screen* selectedViewController() const { return page_; }

    void navigateForward();
    void navigateBack();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage(int index, int direction);

    Storyboard storyboard_;
    QStringList arrangedObjects_;
    int selectedIndex_ = -1;
    QPointer<Screen> page_;
};

} // namespace dovrel
