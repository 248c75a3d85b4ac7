#include "shell/Screen.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrel {

Screen::Screen(QWidget* parent) : QWidget(parent), lifetime_(new QObject) {}

Screen::~Screen() {
    delete lifetime_;
}

void Screen::loadViewIfNeeded() {
    if (loaded_)
        return;
    loaded_ = true;
    viewDidLoad();
}

void Screen::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QAbstractButton* button = focused && isAncestorOf(focused) ? focused : defaultButton_.data();
        if (button && button->isEnabled() && button->isVisible()) {
            button->click();
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Screen::release() {
    delete lifetime_;
    lifetime_ = nullptr;
    if (sheetDialog_)
        sheetDialog_->reject();
}

void Screen::presentViewControllerAsSheet(std::unique_ptr<Screen> sheet) {
    if (!sheet)
        return;
    if (sheetDialog_)
        sheetDialog_->reject(); // one sheet at a time
    auto* dialog = new QDialog(window(), Qt::Sheet);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setObjectName(QStringLiteral("SheetOf") + (identifier_.isEmpty() ? objectName() : identifier_));
    dialog->setWindowTitle(sheet->windowTitle());
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    Screen* raw = sheet.release();
    layout->addWidget(raw);
    sheetDialog_ = dialog;
    sheet_ = raw;
    raw->loadViewIfNeeded();
    raw->viewWillAppear();
    dialog->open();
    raw->viewDidAppear();
}

Screen* Screen::presentedSheet() const {
    return sheetDialog_ ? sheet_.data() : nullptr;
}

void Screen::presentViewControllerAsModalWindow(std::unique_ptr<Screen> controller) {
    if (!controller)
        return;
    QWidget* owner = window();
    while (owner && owner->windowType() == Qt::Popup)
        owner = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
    auto* dialog = new QDialog(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setObjectName(QStringLiteral("WindowOf") + (controller->identifier().isEmpty()
                                                            ? controller->objectName()
                                                            : controller->identifier()));
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    Screen* raw = controller.release();
    layout->addWidget(raw);
    modal_ = raw;
    raw->loadViewIfNeeded();
    raw->viewWillAppear();
    dialog->show();
    raw->viewDidAppear();
}

void Screen::dismissController() {
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(w)) {
            release();
            dialog->accept();
            return;
        }
    }
}

} // namespace dovrel
