#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>

class QWidget;

namespace dovrel {

// Lets the user choose one folder: the stand-in for the platform's open panel
// restricted to directories. Screens receive a picker so tests can answer
// without a real dialog.
class FolderPicker {
public:
    struct Request {
        QString title;                     // window title
        QString prompt;                    // label of the accept button
        std::filesystem::path startFolder; // folder shown first
        std::filesystem::path selection;   // preselected entry in it (empty: none)
    };
    // Called exactly once on the main thread: the chosen folder, or absent
    // when the user cancelled.
    using Completion = std::function<void(std::optional<std::filesystem::path>)>;

    virtual ~FolderPicker() = default;

    // Presents the picker as a sheet of `parent`'s window and returns at once.
    virtual void pickFolder(QWidget* parent, const Request& request, Completion completion) = 0;
};

} // namespace dovrel
