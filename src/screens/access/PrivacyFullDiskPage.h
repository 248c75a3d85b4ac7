#pragma once

#include "shell/Screen.h"

class QLabel;
class QPushButton;

namespace dovrel {

// Common look of the three Full Disk Access instruction pages: a step
// caption, a title, a text, and Back / Next buttons where the page has them.
// The buttons only post the navigation notifications; the page controller
// moves.
class PrivacyFullDiskPage : public Screen {
    Q_OBJECT
public:
    PrivacyFullDiskPage(int step, const QString& title, const QString& text, bool hasBack, bool hasNext,
                        QWidget* parent = nullptr);

    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }

protected:
    static void postNext();
    static void postBack();

private:
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
};

} // namespace dovrel
