#include "platform/gui/FeedbackDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrel {

FeedbackDialog::FeedbackDialog(const QString& folder, QWidget* parent) : QDialog(parent), folder_(folder) {
    setWindowTitle(tr("Send Feedback"));
    setObjectName(QStringLiteral("FeedbackDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Tell us what you like, what is missing or what went wrong. "
                                "Your message is saved as a text file in the folder “%1” on this "
                                "computer; nothing is sent over the network.")
                                 .arg(folder_),
                             this);
    intro->setObjectName(QStringLiteral("intro"));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(intro);
    editor_ = new QPlainTextEdit(this);
    editor_->setPlaceholderText(tr("Your feedback"));
    editor_->setAccessibleName(tr("Your feedback"));
    layout->addWidget(editor_, 1);
    outcome_ = new QLabel(this);
    outcome_->setObjectName(QStringLiteral("outcome"));
    outcome_->setTextFormat(Qt::PlainText);
    outcome_->setWordWrap(true);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    outcome_->hide();
    layout->addWidget(outcome_);
    auto* buttons = new QDialogButtonBox(this);
    close_ = buttons->addButton(QDialogButtonBox::Cancel);
    send_ = buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    send_->setEnabled(false);
    send_->setDefault(true);
    layout->addWidget(buttons);
    connect(editor_, &QPlainTextEdit::textChanged, this,
            [this] { send_->setEnabled(!editor_->toPlainText().trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { emit submitted(editor_->toPlainText()); });
    resize(440, 320);
}

void FeedbackDialog::showSaved(const QString& file) {
    outcome_->setText(tr("Thank you. Your feedback was saved in the file “%1”.").arg(file));
    outcome_->show();
    editor_->setReadOnly(true);
    send_->hide();
    close_->setText(tr("Close"));
    close_->setDefault(true);
    close_->setFocus();
}

void FeedbackDialog::showNotSaved() {
    outcome_->setText(tr("Your feedback could not be saved in the folder “%1”. Your text is still here: "
                         "copy it before you close this window.")
                          .arg(folder_));
    outcome_->show();
}

} // namespace dovrel
