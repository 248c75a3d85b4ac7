#pragma once

#include "shell/Storyboard.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

#include <memory>

class QDialog;

namespace dovrel {

// Base of every screen controller: the widget of one screen plus its life
// cycle.
//
//   instantiate (Storyboard) -> loadViewIfNeeded() -> viewDidLoad()  (once)
//   placed into a layer      -> viewWillAppear(), then viewDidAppear()
//   taken out of its layer   -> release(), then deleted later
//
// Everything a screen leaves pending must be bound to lifetime(): notification
// observers are registered with it as owner and delayed steps use it as their
// context. release() destroys that object at once, so a released screen is
// never called again by its observers or its delayed steps, even while the
// widget itself still waits for its deferred deletion.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(QWidget* parent = nullptr);
    ~Screen() override;

    const QString& identifier() const { return identifier_; }
    // The storyboard this screen was instantiated from (invalid for a screen
    // made directly).
    const Storyboard& storyboard() const { return storyboard_; }

    void loadViewIfNeeded();
    bool isViewLoaded() const { return loaded_; }

    // The owner of observers and delayed steps; null after release().
    QObject* lifetime() const { return lifetime_; }
    void release();
    bool isReleased() const { return lifetime_ == nullptr; }

    // Presents `sheet` as a window-modal sheet over this screen's window and
    // takes ownership of it. The sheet leaves with dismissController().
    void presentViewControllerAsSheet(std::unique_ptr<Screen> sheet);
    // The sheet presented by this screen and still open, or null.
    Screen* presentedSheet() const;
    // Closes the sheet this screen is shown in (no effect otherwise).
    void dismissController();

    // Presents `controller` in an application-modal window of its own and
    // gives it away: the window owns it and is deleted when the user closes
    // it. The window belongs to this screen's window, or, when this screen
    // sits in a popup, to the window the popup belongs to, so it outlives the
    // popup. The controller sees viewDidLoad and viewWillAppear before the
    // window shows (it may dress the window there) and viewDidAppear after.
    void presentViewControllerAsModalWindow(std::unique_ptr<Screen> controller);
    // The controller last presented that way while its window is open, or null.
    Screen* presentedModalWindow() const { return modal_.data(); }

    // The button Return and Enter press while the focus is anywhere in this
    // screen, unless a focused push button takes the key itself. Null: none.
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    QAbstractButton* defaultButton() const { return defaultButton_.data(); }

    virtual void viewDidLoad() {}
    virtual void viewWillAppear() {}
    virtual void viewDidAppear() {}

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class Storyboard;

    QString identifier_;
    Storyboard storyboard_;
    bool loaded_ = false;
    QObject* lifetime_;
    QPointer<QDialog> sheetDialog_;
    QPointer<Screen> sheet_;
    QPointer<Screen> modal_;
    QPointer<QAbstractButton> defaultButton_;
};

} // namespace dovrel
