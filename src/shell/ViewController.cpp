#include "shell/ViewController.h"

#include "controls/AnimationView.h"
#include "layout/HomeLayout.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"
#include "shell/NotificationNames.h"
#include "shell/Screen.h"
#include "shell/ScreenFactory.h"

#include <QApplication>
#include <QVBoxLayout>

namespace dovrel {

using N = NotificationNames;

ViewController::ViewController(const ScreenFactory& factory, QWidget* parent)
    : QWidget(parent), main_storyboard_(QString::fromLatin1(Storyboard::kMain), &factory),
      animationView_(new AnimationView(this)), containerView_(new QWidget(this)),
      popview_(new QWidget(this)) {
    setObjectName(QStringLiteral("ViewController"));
    containerView_->setObjectName(QStringLiteral("containerView"));
    popview_->setObjectName(QStringLiteral("popview"));
    for (QWidget* layer : {containerView_, popview_}) {
        auto* layout = new QVBoxLayout(layer);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    // Stacking order: background, content, overlay.
    animationView_->lower();
    popview_->raise();
    updateLayers();
}

ViewController::~ViewController() {
    // Screens still in the layers are children and go with us; release them
    // first so nothing of theirs runs while the window is torn down.
    for (Screen* screen : {viewcontrollerC_.data(), viewcontrollerA_.data()})
        if (screen)
            screen->release();
}

void ViewController::viewDidLoad() {
    if (loaded_)
        return;
    loaded_ = true;
    app_settings_ = &Defaults::standard();
    smart_storyboard_ = Storyboard(QString::fromLatin1(Storyboard::kSmartClean), main_storyboard_.factory());

    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(N::sandbox_view_controller),
                       [this] { sandbox_view_controller(); });
    center.addObserver(this, QString::fromLatin1(N::home_view_controller_for_launch),
                       [this] { home_view_controller_for_launch(); });
    center.addObserver(this, QString::fromLatin1(N::home_view_controller),
                       [this] { home_view_controller(); });
    center.addObserver(this, QString::fromLatin1(N::smart_scan_view_controller),
                       [this] { smart_scan_view_controller(); });
    center.addObserver(this, QString::fromLatin1(N::smart_clean_view_controller),
                       [this] { smart_clean_view_controller(); });
    center.addObserver(this, QString::fromLatin1(N::smart_cleanup_view_controller),
                       [this] { smart_cleanup_view_controller(); });
    center.addObserver(this, QString::fromLatin1(N::cleaned_view_controller),
                       [this] { cleaned_view_controller(); });

    // Resolving a grant is all the access there is to start on this platform;
    // a stale grant still counts as present.
    const Grant::Resolution granted = Grant::resolve(*app_settings_, QString::fromLatin1(Grant::kHomeKey));
    const bool home = granted.resolved();
    const bool applications =
        Grant::resolve(*app_settings_, QString::fromLatin1(Grant::kApplicationsKey)).resolved() ||
        (home && !HomeLayout::needsApplicationsGrant(*granted.folder, *app_settings_));
    if (home && applications)
        home_view_controller_for_launch();
    else
        sandbox_view_controller();

    center.addObserver(this, QString::fromLatin1(N::sandbox_end_anim_complete),
                       [this] { sandbox_end_anim_complete(); });
    center.addObserver(this, QString::fromLatin1(N::home_end_anim_complete),
                       [this] { home_end_anim_complete(); });
    center.addObserver(this, QString::fromLatin1(N::scan_end_anim_complete),
                       [this] { scan_end_anim_complete(); });
}

void ViewController::sandbox_view_controller() {
    place(main_storyboard_, QStringLiteral("Sandbox"), Layer::Overlay, nullptr);
}

void ViewController::home_view_controller_for_launch() {
    place(main_storyboard_, QStringLiteral("Home"), Layer::Content, nullptr);
}

void ViewController::home_view_controller() {
    place(main_storyboard_, QStringLiteral("Home"), Layer::Content, &AnimationView::animation_for_home_view);
}

void ViewController::smart_scan_view_controller() {
    home_end_anim_complete();
    // Bound to this controller, which lives as long as the window.
    Dispatch::main_after(this, std::chrono::milliseconds(100), [this] {
        place(smart_storyboard_, QStringLiteral("SmartScan"), Layer::Overlay,
              &AnimationView::animation_for_scan_view);
    });
}

void ViewController::smart_clean_view_controller() {
    // Clears the overlay before the results arrive, so the progress screen and
    // the results are never shown together.
    NotificationCenter::defaultCenter().post(QString::fromLatin1(N::scan_end_anim_complete));
    place(smart_storyboard_, QStringLiteral("SmartClean"), Layer::Content,
          &AnimationView::animation_for_page_view);
}

void ViewController::smart_cleanup_view_controller() {
    place(smart_storyboard_, QStringLiteral("SmartCleanup"), Layer::Content,
          &AnimationView::animation_for_delete_view);
}

void ViewController::cleaned_view_controller() {
    place(main_storyboard_, QStringLiteral("Cleaned"), Layer::Content,
          &AnimationView::animation_for_cleaned_view);
}

void ViewController::sandbox_end_anim_complete() {
    clear(Layer::Overlay);
}
void ViewController::home_end_anim_complete() {
    clear(Layer::Content);
}
void ViewController::scan_end_anim_complete() {
    clear(Layer::Overlay);
}

QWidget* ViewController::layerView(Layer layer) const {
    return layer == Layer::Content ? containerView_ : popview_;
}

QPointer<Screen>& ViewController::current(Layer layer) {
    return layer == Layer::Content ? viewcontrollerC_ : viewcontrollerA_;
}

void ViewController::takeOut(Screen* screen) {
    if (screen == nullptr)
        return;
    screen->release();
    if (QWidget* parent = screen->parentWidget(); parent && parent->layout())
        parent->layout()->removeWidget(screen);
    screen->hide();
    screen->setParent(nullptr);
    screen->deleteLater();
}

Screen* ViewController::place(const Storyboard& storyboard, const QString& identifier, Layer layer,
                              Animation animation) {
    std::unique_ptr<Screen> made = storyboard.instantiateControllerWithIdentifier(identifier);
    if (!made)
        return nullptr;
    QPointer<Screen>& slot = current(layer);
    if (slot)
        takeOut(slot.data());
    Screen* screen = made.release();
    QWidget* view = layerView(layer);
    view->setGeometry(rect());
    screen->setParent(view);
    screen->loadViewIfNeeded();
    view->layout()->addWidget(screen);
    slot = screen;
    updateLayers();
    screen->viewWillAppear();
    screen->show();
    screen->viewDidAppear();
    focusInto(screen);
    if (animation)
        (animationView_->*animation)();
    return screen;
}

void ViewController::focusInto(Screen* screen) {
    // A screen that took the focus itself keeps it; otherwise the keyboard
    // starts at its focus proxy or its first control.
    if (screen->isAncestorOf(QApplication::focusWidget()) || !screen->isVisibleTo(window()))
        return;
    if (screen->focusProxy()) {
        screen->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain()) {
        if (screen->isAncestorOf(w) && w->isVisibleTo(screen) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void ViewController::clear(Layer layer) {
    QPointer<Screen>& slot = current(layer);
    if (slot)
        takeOut(slot.data());
    slot = nullptr;
    QWidget* view = layerView(layer);
    const auto leftovers = view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : leftovers) {
        if (auto* screen = qobject_cast<Screen*>(child)) {
            takeOut(screen);
            continue;
        }
        view->layout()->removeWidget(child);
        child->hide();
        child->setParent(nullptr);
        child->deleteLater();
    }
    updateLayers();
}

void ViewController::updateLayers() {
    // An empty overlay must not catch the clicks meant for the content.
    popview_->setVisible(!popview_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty());
}

void ViewController::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* layer : {static_cast<QWidget*>(animationView_), containerView_, popview_})
        layer->setGeometry(rect());
}

} // namespace dovrel
