#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace dovrel {

// A small dialog in which the user writes feedback. It says up front in which
// folder the text will be kept (nothing is sent anywhere). "Send" emits the
// text; whoever stores it answers with showSaved() (the dialog then names the
// file and offers only "Close") or showNotSaved() (the text stays in the editor
// so it is not lost, with the reason on screen). "Cancel" closes.
class FeedbackDialog : public QDialog {
    Q_OBJECT
public:
    // folder: where the text will be stored, as shown to the user.
    explicit FeedbackDialog(const QString& folder, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QPushButton* sendButton() const { return send_; }
    QPushButton* closeButton() const { return close_; }
    // The line under the editor that says where the text went, or why not.
    QLabel* outcomeLabel() const { return outcome_; }

    void showSaved(const QString& file);
    void showNotSaved();

signals:
    void submitted(const QString& text);

private:
    QString folder_;
    QPlainTextEdit* editor_;
    QLabel* outcome_;
    QPushButton* send_;
    QPushButton* close_;
};

} // namespace dovrel
