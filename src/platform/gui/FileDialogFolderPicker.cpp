#include "platform/gui/FileDialogFolderPicker.h"

#include <QFile>
#include <QFileDialog>

#include <memory>

namespace dovrel {

void FileDialogFolderPicker::pickFolder(QWidget* parent, const Request& request, Completion completion) {
    const std::string& start = request.startFolder.native();
    auto* dialog =
        new QFileDialog(parent, request.title,
                        QFile::decodeName(QByteArray(start.data(), static_cast<qsizetype>(start.size()))));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly, true);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setLabelText(QFileDialog::Accept, request.prompt);
    if (!request.selection.empty()) {
        const std::string& selection = request.selection.native();
        dialog->selectFile(
            QFile::decodeName(QByteArray(selection.data(), static_cast<qsizetype>(selection.size()))));
    }
    dialog->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);

    // finished() fires once for accept and reject alike; the shared flag keeps
    // the completion to one call even if the dialog emits more than once.
    auto done = std::make_shared<bool>(false);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done, completion](int result) {
        if (*done)
            return;
        *done = true;
        std::optional<std::filesystem::path> chosen;
        const QStringList files = dialog->selectedFiles();
        if (result == QDialog::Accepted && !files.isEmpty()) {
            const QByteArray bytes = QFile::encodeName(files.constFirst());
            chosen = std::filesystem::path(bytes.toStdString());
        }
        if (completion)
            completion(chosen);
    });
    dialog->open();
}

} // namespace dovrel
