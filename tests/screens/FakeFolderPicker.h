#pragma once

#include "platform/gui/FolderPicker.h"

#include <vector>

namespace dovrel::test {

// Answers every request at once with the folder set in `answer` (absent:
// cancelled) and keeps the requests.
class FakeFolderPicker : public FolderPicker {
public:
    void pickFolder(QWidget*, const Request& request, Completion completion) override {
        requests.push_back(request);
        completion(answer);
    }
    std::vector<Request> requests;
    std::optional<std::filesystem::path> answer;
};

} // namespace dovrel::test
