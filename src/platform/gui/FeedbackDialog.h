#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace dovrel {

// A small dialog in which the user writes feedback. "Send" emits the text and
// closes; "Cancel" closes. Where the text goes is the caller's business.
class FeedbackDialog : public QDialog {
    Q_OBJECT
public:
    explicit FeedbackDialog(QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QPushButton* sendButton() const { return send_; }

signals:
    void submitted(const QString& text);

private:
    QPlainTextEdit* editor_;
    QPushButton* send_;
};

} // namespace dovrel
