#pragma once

#include "platform/gui/FolderPicker.h"

namespace dovrel {

// The desktop folder picker: a window-modal QFileDialog for one directory,
// hidden files not shown, with the request's title and accept label.
class FileDialogFolderPicker : public FolderPicker {
public:
    void pickFolder(QWidget* parent, const Request& request, Completion completion) override;
};

} // namespace dovrel
