#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QTimer;

namespace dovrel {

// What the main window shows when the user quits while a cleanup is still
// removing files: the application finishes the location it is in, counts
// what was freed and then quits. The notice covers the screens, shows the
// bytes freed so far (polled from CleanupRun::shared() ten times a second)
// and offers "Stop Now", which stops at the next entry instead.
class FinishingCleanupNotice : public QFrame {
    Q_OBJECT
public:
    explicit FinishingCleanupNotice(QWidget* parent = nullptr);

    QLabel* title() const { return title_; }
    QLabel* freed() const { return freed_; }
    QPushButton* stopButton() const { return stop_; }

    // Starts or stops following the cleanup with the widget's visibility.
    void setVisible(bool visible) override;

    // Stops at the next entry (also what closing the window again does).
    void stopNow();

private:
    void refresh();

    QLabel* title_;
    QLabel* freed_;
    QPushButton* stop_;
    QTimer* timer_;
};

} // namespace dovrel
