#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <QWindow>

#include <functional>

namespace dovrel {

class FinishingCleanupNotice;
class Screen;
class ScreenFactory;
class ViewController;

// The one main window: the root ViewController as content, the window colour
// "515360", movable by dragging its background, tracking the pointer, and
// the application menu (preferences Ctrl+,, feedback, quit Ctrl+Q).
//
// Moving by the background starts only once a press that reached the window
// has moved past the drag distance with the button still held. The window
// watches every press and release of its native window, also those a child
// took, so a click never leaves a move pending for the next one.
class CleanerWindowController : public QMainWindow {
    Q_OBJECT
public:
    explicit CleanerWindowController(const ScreenFactory& factory, QWidget* parent = nullptr);

    ViewController* contentViewController() const { return viewController_; }

    // The About box's text: name, version (DOVREL_VERSION) and what it does.
    static QString aboutText();

    // Sets the look (colour, movable background, pointer tracking) and lets
    // the root controller choose the first screen.
    void windowDidLoad();

    bool isMovableByWindowBackground() const { return movable_; }
    void setMovableByWindowBackground(bool movable) { movable_ = movable; }

    // Opens the preferences, a dialog of this window centred on it (one at a
    // time).
    void showPreferences();
    Screen* preferencesWindow() const;

    // Asked when the user closes the window (or quits): false keeps it open,
    // and whoever said no closes it later. Without a question it closes.
    void setShouldClose(std::function<bool()> ask) { shouldClose_ = std::move(ask); }

    // Covers the screens with the notice that a cleanup is being finished
    // before the application quits.
    void showFinishingCleanup();
    // The notice, or null while it was never shown.
    FinishingCleanupNotice* finishingNotice() const { return finishing_; }

signals:
    // The user is closing the main window.
    void windowWillClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();

    const ScreenFactory& factory_;
    ViewController* viewController_;
    QPointer<Screen> preferences_;
    std::function<bool()> shouldClose_;
    FinishingCleanupNotice* finishing_ = nullptr;
    bool movable_ = false;
    bool pressed_ = false;  // a press on the background, not yet a move
    bool dragging_ = false; // moving the window by hand (no system move)
    QPoint pressPos_;       // global position of that press
    QPoint dragOffset_;
    QPointer<QWindow> watched_;
};

} // namespace dovrel
