#include "shell/CleanerWindowController.h"

#include "platform/gui/HexColor.h"
#include "shell/AppDelegate.h"
#include "shell/FinishingCleanupNotice.h"
#include "shell/Screen.h"
#include "shell/ViewController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWindow>

namespace dovrel {

CleanerWindowController::CleanerWindowController(const ScreenFactory& factory, QWidget* parent)
    : QMainWindow(parent), factory_(factory), viewController_(new ViewController(factory, this)) {
    setObjectName(QStringLiteral("CleanerWindow"));
    setWindowTitle(tr("Dovrel Cleaner"));
    setCentralWidget(viewController_);
    setMinimumSize(720, 500);
    resize(780, 540);
    buildMenu();
}

void CleanerWindowController::windowDidLoad() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, HexColor::colorFromHexString(QStringLiteral("515360")));
    setPalette(palette);
    setAutoFillBackground(true);
    setMovableByWindowBackground(true);
    setMouseTracking(true);
    viewController_->setMouseTracking(true);
    viewController_->viewDidLoad();
}

QString CleanerWindowController::aboutText() {
    return QStringLiteral("<b>%1</b><br>%2<br><br>%3")
        .arg(tr("Dovrel Cleaner"), tr("Version %1").arg(QStringLiteral(DOVREL_VERSION)),
             tr("Finds caches, logs, leftovers and other clutter in your home folder and removes what you "
                "choose."));
}

void CleanerWindowController::buildMenu() {
    QMenu* app = menuBar()->addMenu(tr("&Dovrel Cleaner"));
    QAction* about = app->addAction(tr("About Dovrel Cleaner"));
    connect(about, &QAction::triggered, this,
            [this] { QMessageBox::about(this, tr("About Dovrel Cleaner"), aboutText()); });
    QAction* preferences = app->addAction(tr("Preferences…"));
    preferences->setObjectName(QStringLiteral("showPreferences"));
    preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    preferences->setMenuRole(QAction::PreferencesRole);
    connect(preferences, &QAction::triggered, this, &CleanerWindowController::showPreferences);
    app->addSeparator();
    QAction* quit = app->addAction(tr("Quit Dovrel Cleaner"));
    quit->setObjectName(QStringLiteral("quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* feedback = help->addAction(tr("Send Feedback…"));
    feedback->setObjectName(QStringLiteral("showFeedbackDialog"));
    connect(feedback, &QAction::triggered, this, [feedback] {
        if (AppDelegate* delegate = AppDelegate::shared())
            delegate->showFeedbackDialog(feedback);
    });
}

void CleanerWindowController::showPreferences() {
    if (!preferences_) {
        std::unique_ptr<Screen> made =
            viewController_->storyboard().instantiateControllerWithIdentifier(QStringLiteral("Preferences"));
        if (!made)
            return;
        Screen* screen = made.release();
        // A dialog of this window: kept above it, no maximise button (its
        // size is fixed).
        screen->setParent(this, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowCloseButtonHint);
        screen->setAttribute(Qt::WA_DeleteOnClose);
        screen->loadViewIfNeeded();
        screen->adjustSize();
        screen->move(frameGeometry().center() - screen->rect().center());
        preferences_ = screen;
    }
    preferences_->viewWillAppear();
    preferences_->show();
    preferences_->raise();
    preferences_->activateWindow();
    preferences_->viewDidAppear();
}

Screen* CleanerWindowController::preferencesWindow() const {
    return preferences_.data();
}

void CleanerWindowController::showFinishingCleanup() {
    if (finishing_ == nullptr)
        finishing_ = new FinishingCleanupNotice(centralWidget());
    finishing_->setGeometry(centralWidget()->rect());
    finishing_->raise();
    finishing_->show();
}

void CleanerWindowController::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (finishing_)
        finishing_->setGeometry(centralWidget()->rect());
}

void CleanerWindowController::closeEvent(QCloseEvent* event) {
    if (shouldClose_ && !shouldClose_()) {
        event->ignore();
        return;
    }
    emit windowWillClose();
    QMainWindow::closeEvent(event);
}

void CleanerWindowController::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (windowHandle() && watched_ != windowHandle()) {
        watched_ = windowHandle();
        watched_->installEventFilter(this);
    }
}

// Every press and release of the native window passes here first, whichever
// widget takes it: a new press or any release ends what an earlier press on
// the background began.
bool CleanerWindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        if (dragging_)
            releaseMouse();
        pressed_ = dragging_ = false;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Presses that no control took arrive here: the background may move the
// window once the pointer moves on.
void CleanerWindowController::mousePressEvent(QMouseEvent* event) {
    if (movable_ && event->button() == Qt::LeftButton) {
        pressed_ = true;
        pressPos_ = event->globalPosition().toPoint();
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void CleanerWindowController::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        pressed_ = dragging_ = false;
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    if (pressed_ && (event->globalPosition().toPoint() - pressPos_).manhattanLength() >=
                        QApplication::startDragDistance()) {
        pressed_ = false;
        if (!windowHandle() || !windowHandle()->startSystemMove()) {
            dragging_ = true;
            dragOffset_ = pressPos_ - frameGeometry().topLeft();
            grabMouse();
            move(event->globalPosition().toPoint() - dragOffset_);
        }
        event->accept();
        return;
    }
    QMainWindow::mouseMoveEvent(event);
}

void CleanerWindowController::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_)
        releaseMouse();
    pressed_ = dragging_ = false;
    QMainWindow::mouseReleaseEvent(event);
}

} // namespace dovrel
