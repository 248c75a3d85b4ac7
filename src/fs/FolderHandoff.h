#pragma once

#include "fs/EraseLog.h"
#include "fs/FsCalls.h"

#include <atomic>
#include <string>

namespace dovrel {

// A verified subfolder a TreeEraser gives to a helper to be emptied (not
// removed). The frame that handed it off owns it and waits for `done` before
// it removes the folder or goes away; the helper owns `fd` and closes it.
struct FolderHandoff {
    int fd = -1;                       // the folder, open for listing
    std::string name;                  // its name in the folder that handed it off
    FsCalls::Status status;            // as verified through `fd`
    std::string path;                  // relative to the removed location, for messages
    int listings = 0;                  // listings already made of it (bounded in all)
    std::atomic<bool>* halt = nullptr; // raised when the removal of the location stops
    EraseLog::Result result;           // written by the helper before `done`
    std::atomic<bool> done{false};
};

} // namespace dovrel
