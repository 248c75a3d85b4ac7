#include "platform/gui/FeedbackDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrel {

FeedbackDialog::FeedbackDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Send Feedback"));
    setObjectName(QStringLiteral("FeedbackDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Tell us what you like, what is missing or what went wrong. "
                                "Your message is saved on this computer."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    editor_ = new QPlainTextEdit(this);
    editor_->setPlaceholderText(tr("Your feedback"));
    layout->addWidget(editor_, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Cancel);
    send_ = buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    send_->setEnabled(false);
    layout->addWidget(buttons);
    connect(editor_, &QPlainTextEdit::textChanged, this,
            [this] { send_->setEnabled(!editor_->toPlainText().trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit submitted(editor_->toPlainText());
        accept();
    });
    resize(420, 300);
}

} // namespace dovrel
