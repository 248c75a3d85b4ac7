#pragma once

#include "fs/FolderHandoff.h"
#include "fs/FsCalls.h"

#include <cstddef>
#include <string>

namespace dovrel {

class RemovalCrew;
class TreeEraser;

// The part of a TreeEraser walk that hands verified subfolders to idle
// helpers of a RemovalCrew and, once a helper is done, removes the emptied
// subfolder by name relative to the frame that handed it off (its identity
// checked first). The jobs are kept in the walk's frames; without a crew
// nothing is handed off.
class SubfolderHandoffs {
public:
    SubfolderHandoffs(TreeEraser& walk, RemovalCrew* crew);
    SubfolderHandoffs(const SubfolderHandoffs&) = delete;
    SubfolderHandoffs& operator=(const SubfolderHandoffs&) = delete;

    // Hands the subfolder `name` of the top frame, open as `fd` and verified
    // as `opened`, to an idle helper; false (fd still the caller's) when none
    // takes it or it is the frame's last subfolder.
    bool handOff(int fd, const std::string& name, int listings, const FsCalls::Status& opened);
    // Settles the jobs of `frame` whose helpers are done.
    void settleFinished(std::size_t frame);
    // Waits for every job of `frame` and settles it.
    void settleAll(std::size_t frame);
    // Waits for every job still out, in all frames, taking over only their counts.
    void collectAll();

private:
    void settle(std::size_t frame, FolderHandoff& job);

    TreeEraser& walk_;
    RemovalCrew* const crew_;
};

} // namespace dovrel
