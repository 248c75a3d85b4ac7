#pragma once

#include "shell/Screen.h"
#include "shell/Storyboard.h"

#include <QPointer>
#include <QWidget>

namespace dovrel {

class AnimationView;
class Defaults;
class Screen;
class ScreenFactory;

// The root content controller of the main window. It owns two layers above
// an animated background and places screens into them when named
// notifications ask for it; screens never place one another.
//
//   +---------------------------+
//   | popview (overlay layer)   |  at most one screen, drawn on top
//   | containerView (content)   |  at most one screen
//   | animationView (backdrop)  |
//   +---------------------------+
//
// Placing: instantiate a new screen (never cached), take the layer's old
// screen out, add the new one, remember it, start the background animation.
// A screen taken out is released at once (its observers and delayed steps
// are gone) and deleted later, since it may be the one whose action is
// running. An identifier without a registered screen places nothing and
// leaves the layer as it is.
class ViewController : public QWidget {
    Q_OBJECT
public:
    enum class Layer { Content, Overlay };

    explicit ViewController(const ScreenFactory& factory, QWidget* parent = nullptr);
    ~ViewController() override;

    // The launch-time choice: registers for the notifications and shows the
    // home screen when both folder grants resolve, the folder-access screen
    // otherwise. Call once.
    void viewDidLoad();

    // One handler per notification (also callable directly).
    void sandbox_view_controller();
    void home_view_controller_for_launch();
    void home_view_controller();
    void smart_scan_view_controller();
    void smart_clean_view_controller();
    void smart_cleanup_view_controller();
    void cleaned_view_controller();
    void sandbox_end_anim_complete();
    void home_end_anim_complete();
    void scan_end_anim_complete();

    Screen* viewcontrollerC() const { return viewcontrollerC_; }
    Screen* viewcontrollerA() const { return viewcontrollerA_; }
    QWidget* containerView() const { return containerView_; }
    QWidget* popview() const { return popview_; }
    AnimationView* animationView() const { return animationView_; }
    const Storyboard& smart_storyboard() const { return smart_storyboard_; }
    const Storyboard& storyboard() const { return main_storyboard_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    using Animation = void (AnimationView::*)();

    Screen* place(const Storyboard& storyboard, const QString& identifier, Layer layer, Animation animation);
    void clear(Layer layer);
    void focusInto(Screen* screen);
    void takeOut(Screen* screen);
    QWidget* layerView(Layer layer) const;
    QPointer<Screen>& current(Layer layer);
    void updateLayers();

    Defaults* app_settings_ = nullptr;
    Storyboard main_storyboard_;
    Storyboard smart_storyboard_;
    AnimationView* animationView_;
    QWidget* containerView_;
    QWidget* popview_;
    QPointer<Screen> viewcontrollerC_;
    QPointer<Screen> viewcontrollerA_;
    bool loaded_ = false;
};

} // namespace dovrel
