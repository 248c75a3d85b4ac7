#pragma once

#include <functional>

namespace dovrel {

class Cleaner;
class FolderPicker;
class SchedulerSwitch;

// What the screens need from outside, handed to them when they are made.
// The executable fills it with the real services; tests with their own.
// Everything pointed to must outlive the screens.
struct ScreenServices {
    FolderPicker* folderPicker = nullptr;
    SchedulerSwitch* schedulerSwitch = nullptr;
    // The engine the scan, results and cleanup screens use; the shared one
    // when empty.
    std::function<Cleaner*()> cleaner;
};

} // namespace dovrel
