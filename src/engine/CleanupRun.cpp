#include "engine/CleanupRun.h"

#include "engine/Cleaner.h"
#include "engine/CleaningMode.h"
#include "engine/HandOver.h"
#include "fs/Remover.h"
#include "fs/TrashMover.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>

// One worker at a time drains the queue of cleanups:
//
//   start() --push--> pending --pop--> worker: remove, add the total, keep
//                                      the report, main_async(deliver)
//                                      ... until pending is empty, then
//                                      active = false (under the lock)
//
// `active` covers the running cleanup and the waiting ones, so isRunning()
// turns false only when the last total is stored. The waiters live on the
// main thread; deliver() runs there after every cleanup and calls those whose
// condition holds. The queued deliveries hold the state only weakly: a runner
// destroyed meanwhile is simply not delivered to.

namespace dovrel {

namespace {

constexpr std::size_t kKeptReports = 8;

} // namespace

struct CleanupRun::Job {
    Id id = 0;
    std::optional<Location> home;
    std::vector<RemovalRequest> requests;
    std::optional<Location> trash;
    bool toTrash = false;
};

struct CleanupRun::State {
    explicit State(Defaults& s) : settings(s) {}

    struct Waiter {
        Id id = 0; // 0: waits for no cleanup running
        bool bound = false;
        QPointer<QObject> context;
        std::function<void(const RemovalReport&)> finished;
        std::function<void()> idle;
    };

    Defaults& settings;
    mutable std::mutex mutex;
    mutable std::condition_variable idleChanged;
    std::deque<Job> pending;
    bool active = false;
    Id lastStarted = 0;
    Id lastFinished = 0;
    std::deque<std::pair<Id, std::shared_ptr<const RemovalReport>>> reports;
    Remover* current = nullptr;
    TrashMover* currentMover = nullptr;
    bool stopping = false;
    bool cancelling = false;
    Syscalls* calls = nullptr;
    std::vector<Waiter> waiters; // main thread only

    std::shared_ptr<const RemovalReport> reportLocked(Id id) const {
        for (const auto& [number, report] : reports)
            if (number == id)
                return report;
        return nullptr;
    }
    bool finishedLocked(Id id) const { return id != 0 && id <= lastFinished; }
};

CleanupRun& CleanupRun::shared() {
    static CleanupRun run(Defaults::standard());
    return run;
}

CleanupRun::CleanupRun(Defaults& settings) : d(std::make_shared<State>(settings)) {}

CleanupRun::~CleanupRun() {
    stopAfterCurrentLocation();
    waitUntilIdle();
}

CleanupRun::Id CleanupRun::start(const Cleaner& cleaner) {
    return start(cleaner.url_home, HandOver::requests(cleaner, cleaner.files), cleaner.trash_pairs,
                 CleaningMode::stored(d->settings) == CleaningMode::Mode::Trash);
}

CleanupRun::Id CleanupRun::start(std::optional<Location> home, std::vector<RemovalRequest> requests,
                                 std::optional<Location> trash, bool toTrash) {
    Id id = 0;
    bool launch = false;
    {
        std::lock_guard lock(d->mutex);
        id = ++d->lastStarted;
        d->pending.push_back(Job{id, std::move(home), std::move(requests), std::move(trash), toTrash});
        launch = !d->active;
        d->active = true;
    }
    if (launch) {
        std::shared_ptr<State> state = d;
        Dispatch::global_async([state] { drain(state); });
    }
    return id;
}

void CleanupRun::drain(const std::shared_ptr<State>& state) {
    for (;;) {
        Job job;
        {
            std::lock_guard lock(state->mutex);
            if (state->pending.empty()) {
                state->active = false;
                state->stopping = false;
                state->cancelling = false;
                state->idleChanged.notify_all();
                break;
            }
            job = std::move(state->pending.front());
            state->pending.pop_front();
        }

        auto report = std::make_shared<RemovalReport>();
        if (job.home && job.home->is_absolute()) {
            Syscalls& calls = state->calls ? *state->calls : Syscalls::system();
            Remover remover(*job.home, calls);
            std::optional<TrashMover> mover;
            if (job.toTrash)
                mover.emplace(*job.home, job.trash, calls);
            {
                std::lock_guard lock(state->mutex);
                state->current = &remover;
                state->currentMover = mover ? &*mover : nullptr;
                if (state->cancelling) {
                    remover.cancel();
                    if (mover)
                        mover->cancel();
                }
                if (state->stopping) {
                    remover.stopAfterCurrent();
                    if (mover)
                        mover->stopAfterCurrent();
                }
            }
            *report =
                CleaningMode::clean(remover, mover ? &*mover : nullptr, *job.home, job.trash, job.requests);
            std::lock_guard lock(state->mutex);
            state->current = nullptr;
            state->currentMover = nullptr;
        } else {
            for (const RemovalRequest& r : job.requests)
                report->outcomes.push_back(RemovalOutcome{r.location, RemovalOutcome::Status::Refused,
                                                          "no home folder is granted", 0, 0});
        }

        // On the worker, before anyone can see the cleanup as ended: the
        // total grows exactly once, whether or not a screen is left to care.
        if (report->bytesFreed != 0)
            state->settings.addToInteger(QString::fromLatin1(kTotalKey), report->bytesFreed);

        {
            std::lock_guard lock(state->mutex);
            state->reports.emplace_back(job.id, std::move(report));
            while (state->reports.size() > kKeptReports)
                state->reports.pop_front();
            state->lastFinished = job.id;
        }
        std::weak_ptr<State> weak = state;
        Dispatch::main_async([weak] {
            if (std::shared_ptr<State> s = weak.lock())
                deliver(s);
        });
    }
    std::weak_ptr<State> weak = state;
    Dispatch::main_async([weak] {
        if (std::shared_ptr<State> s = weak.lock())
            deliver(s);
    });
}

void CleanupRun::deliver(const std::shared_ptr<State>& state) {
    // Work may register more waiters or start a cleanup: take the due ones
    // out first, then run them.
    std::vector<State::Waiter> due;
    std::vector<std::shared_ptr<const RemovalReport>> dueReports;
    {
        std::lock_guard lock(state->mutex);
        auto& waiters = state->waiters;
        for (auto it = waiters.begin(); it != waiters.end();) {
            if (it->bound && !it->context) {
                it = waiters.erase(it);
                continue;
            }
            const bool ready = it->id == 0 ? !state->active : state->finishedLocked(it->id);
            if (!ready) {
                ++it;
                continue;
            }
            dueReports.push_back(it->id == 0 ? nullptr : state->reportLocked(it->id));
            due.push_back(std::move(*it));
            it = waiters.erase(it);
        }
    }
    for (std::size_t i = 0; i < due.size(); ++i) {
        State::Waiter& w = due[i];
        if (w.bound && !w.context)
            continue; // gone while an earlier one ran
        if (w.idle)
            w.idle();
        else if (dueReports[i] && w.finished)
            w.finished(*dueReports[i]);
    }
}

bool CleanupRun::isRunning() const {
    std::lock_guard lock(d->mutex);
    return d->active;
}

CleanupRun::Id CleanupRun::lastStarted() const {
    std::lock_guard lock(d->mutex);
    return d->lastStarted;
}

std::shared_ptr<const RemovalReport> CleanupRun::report(Id id) const {
    std::lock_guard lock(d->mutex);
    return d->reportLocked(id);
}

ByteCount CleanupRun::bytesFreedSoFar() const {
    std::lock_guard lock(d->mutex);
    return d->current ? d->current->progress().bytesFreed.load(std::memory_order_relaxed) : 0;
}

void CleanupRun::whenFinished(Id id, QObject* context, std::function<void(const RemovalReport&)> work) {
    if (!work || id == 0)
        return;
    std::shared_ptr<const RemovalReport> ready;
    {
        std::lock_guard lock(d->mutex);
        if (id > d->lastStarted)
            return; // never started: nothing will come
        if (!d->finishedLocked(id)) {
            d->waiters.push_back({id, context != nullptr, context, std::move(work), {}});
            return;
        }
        ready = d->reportLocked(id);
    }
    if (ready)
        work(*ready);
}

void CleanupRun::whenIdle(QObject* context, std::function<void()> work) {
    if (!work)
        return;
    {
        std::lock_guard lock(d->mutex);
        if (d->active) {
            d->waiters.push_back({0, context != nullptr, context, {}, std::move(work)});
            return;
        }
    }
    work();
}

bool CleanupRun::waitUntilIdle(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(d->mutex);
    if (timeout == std::chrono::milliseconds::max()) {
        d->idleChanged.wait(lock, [this] { return !d->active; });
        return true;
    }
    return d->idleChanged.wait_for(lock, timeout, [this] { return !d->active; });
}

void CleanupRun::stopAfterCurrentLocation() {
    std::lock_guard lock(d->mutex);
    if (!d->active)
        return;
    d->stopping = true;
    if (d->current)
        d->current->stopAfterCurrent();
    if (d->currentMover)
        d->currentMover->stopAfterCurrent();
}

void CleanupRun::cancel() {
    std::lock_guard lock(d->mutex);
    if (!d->active)
        return;
    d->cancelling = true;
    if (d->current)
        d->current->cancel();
    if (d->currentMover)
        d->currentMover->cancel();
}

void CleanupRun::setSyscalls(Syscalls* calls) {
    std::lock_guard lock(d->mutex);
    d->calls = calls;
}

} // namespace dovrel
