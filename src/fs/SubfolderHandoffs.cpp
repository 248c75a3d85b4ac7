#include "fs/SubfolderHandoffs.h"

#include "fs/RemovalCrew.h"
#include "fs/TreeEraser.h"

#include <cerrno>
#include <cstddef>
#include <memory>
#include <utility>

// How a walk hands subfolders to helpers
// ======================================
//
//   frame F ── subfolder S verified and opened ──▶ idle helper? ──yes──▶ helper empties S
//      │                                              │no                 (its own walk, its
//      │                                              ▼                    own descriptors)
//      │                                    entered here as above              │
//      └── back at F (top, open): S done? ── status(S) is the same folder ◀────┘
//                                            ── unlinkat(F, S, AT_REMOVEDIR)
//
// A subfolder is handed off only after the same checks as one that is
// entered, and only when the frame has more subfolders to go (handing off the
// last one would leave this walk waiting). The helper never touches S's
// parent: S itself is removed by this walk, by name relative to F, once the
// helper is done and S is still the folder that was handed off. If S refuses
// to go because something appeared in it, it is entered again (by name, the
// same identity required), its listings counted with the helper's. F is left
// only when all its handed-off subfolders are done, and the walk does not
// return while any helper still works for it. A walk that stops (cancel, or
// a folder that moved) raises the location's halt flag: every helper working
// for it stops at its next entry too.

namespace dovrel {

SubfolderHandoffs::SubfolderHandoffs(TreeEraser& walk, RemovalCrew* crew) : walk_(walk), crew_(crew) {}

bool SubfolderHandoffs::handOff(int fd, const std::string& name, int listings,
                                const FsCalls::Status& opened) {
    if (!crew_ || !crew_->hasIdleHelper())
        return false;
    const std::size_t top = walk_.stack_.size() - 1;
    TreeEraser::Frame& f = walk_.stack_[top];
    if (f.next >= f.subfolders.size())
        return false; // the last one: this walk would only wait for it
    auto job = std::make_unique<FolderHandoff>();
    job->fd = fd;
    job->name = name;
    job->status = opened;
    job->path = walk_.pathOf(top, name);
    job->listings = listings;
    job->halt = walk_.halt_;
    f.handoffs.reserve(f.handoffs.size() + 1);
    if (!crew_->handOff(*job))
        return false;
    f.handoffs.push_back(std::move(job));
    return true;
}

void SubfolderHandoffs::settleFinished(std::size_t frame) {
    auto& jobs = walk_.stack_[frame].handoffs;
    for (std::size_t i = 0; i < jobs.size();) {
        if (!jobs[i]->done.load(std::memory_order_acquire)) {
            ++i;
            continue;
        }
        const std::unique_ptr<FolderHandoff> job = std::move(jobs[i]);
        jobs.erase(jobs.begin() + static_cast<std::ptrdiff_t>(i));
        settle(frame, *job);
    }
}

void SubfolderHandoffs::settleAll(std::size_t frame) {
    auto& jobs = walk_.stack_[frame].handoffs;
    while (!jobs.empty()) {
        const std::unique_ptr<FolderHandoff> job = std::move(jobs.back());
        jobs.pop_back();
        crew_->wait(*job);
        settle(frame, *job);
    }
}

void SubfolderHandoffs::settle(std::size_t frame, FolderHandoff& job) {
    const EraseLog::Result& r = job.result;
    // The helper has told the progress already; the result takes its share.
    walk_.log_.takeOver(r);
    if (walk_.log_.stopped() || r.status == RemovalOutcome::Status::Cancelled)
        return;

    TreeEraser::Frame& f = walk_.stack_[frame];
    const bool troubled = r.status != RemovalOutcome::Status::Removed;
    if (troubled) {
        f.troubled = true;
        walk_.log_.problemOf(r);
    }

    // Only the folder that was emptied goes, not whatever now carries its name.
    FsCalls::Status now;
    if (!walk_.calls_.status(walk_.trail_.fd(frame), job.name.c_str(), now)) {
        if (errno != ENOENT)
            walk_.fail(frame, job.name, FsCalls::message(errno));
        return;
    }
    if (now.identity != job.status.identity) {
        // Removed by someone else and the name taken again: the newcomer is
        // found when this folder is listed again.
        if (!r.gone)
            walk_.changed(frame, job.name, "replaced while being removed");
        return;
    }
    if (walk_.calls_.unlink(walk_.trail_.fd(frame), job.name.c_str(), true)) {
        walk_.log_.count(1, 0);
        return;
    }
    const int error = errno;
    if ((error == ENOTEMPTY || error == EEXIST) && !troubled && r.listings < TreeEraser::kMaxListings) {
        // Something appeared in it meanwhile: enter it again, as that folder only.
        f.subfolders.push_back({job.name, r.listings, job.status.identity});
        return;
    }
    if (error != ENOENT && !troubled)
        walk_.fail(frame, job.name, FsCalls::message(error));
}

void SubfolderHandoffs::collectAll() {
    // Every helper still working for this walk is waited for; only what it
    // removed (and why it stopped, if it did) is taken over.
    for (std::size_t frame = walk_.stack_.size(); frame-- > 0;) {
        auto& jobs = walk_.stack_[frame].handoffs;
        while (!jobs.empty()) {
            const std::unique_ptr<FolderHandoff> job = std::move(jobs.back());
            jobs.pop_back();
            crew_->wait(*job);
            walk_.log_.takeOver(job->result);
        }
    }
}

} // namespace dovrel
