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
    preferences->setShortcut(QKeySequence::Preferences);
    preferences->setMenuRole(QAction::PreferencesRole);
    connect(preferences, &QAction::triggered, this, &CleanerWindowController::showPreferences);
    app->addSeparator();
    QAction* quit = app->addAction(tr("Quit Dovrel Cleaner"));
    quit->setShortcut(QKeySequence::Quit);
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
        screen->setParent(this, Qt::Window);
        screen->setAttribute(Qt::WA_DeleteOnClose);
        screen->loadViewIfNeeded();
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

// Presses that no control took arrive here: the background moves the window.
void CleanerWindowController::mousePressEvent(QMouseEvent* event) {
    if (movable_ && event->button() == Qt::LeftButton) {
        if (windowHandle() && windowHandle()->startSystemMove()) {
            event->accept();
            return;
        }
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void CleanerWindowController::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
        return;
    }
    QMainWindow::mouseMoveEvent(event);
}

void CleanerWindowController::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QMainWindow::mouseReleaseEvent(event);
}

} // namespace dovrel
