#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

namespace dovrel {

class Screen;
class ScreenFactory;
class ViewController;

// The one main window: the root ViewController as content, the window colour
// "515360", movable by dragging its background, tracking the pointer, and
// the application menu (preferences, feedback, quit).
class CleanerWindowController : public QMainWindow {
    Q_OBJECT
public:
    explicit CleanerWindowController(const ScreenFactory& factory, QWidget* parent = nullptr);

    ViewController* contentViewController() const { return viewController_; }

    // Sets the look (colour, movable background, pointer tracking) and lets
    // the root controller choose the first screen.
    void windowDidLoad();

    bool isMovableByWindowBackground() const { return movable_; }
    void setMovableByWindowBackground(bool movable) { movable_ = movable; }

    // Opens the preferences window (one at a time).
    void showPreferences();
    Screen* preferencesWindow() const;

signals:
    // The user is closing the main window.
    void windowWillClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildMenu();

    const ScreenFactory& factory_;
    ViewController* viewController_;
    QPointer<Screen> preferences_;
    bool movable_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace dovrel
