#include "fs/EraseLog.h"

namespace dovrel {

void EraseLog::begin(int listings, std::atomic<bool>* halt) {
    halt_ = halt;
    result_ = Result{};
    result_.listings = listings;
    stopped_ = false;
    unreportedItems_ = 0;
    unreportedBytes_ = 0;
    firstFailure_.reset();
    firstChange_.reset();
}

void EraseLog::count(std::int64_t items, ByteCount bytes) {
    result_.items += items;
    result_.bytes += bytes;
    // Told to the shared progress in batches: with helpers, one shared line
    // written per entry by several cores costs more than the entry.
    unreportedItems_ += items;
    unreportedBytes_ += bytes;
    if (unreportedItems_ >= 64)
        flushProgress();
}

void EraseLog::flushProgress() {
    if (unreportedItems_ != 0 || unreportedBytes_ != 0)
        progress_.add(unreportedItems_, unreportedBytes_);
    unreportedItems_ = 0;
    unreportedBytes_ = 0;
}

void EraseLog::failure(std::string text) {
    if (!firstFailure_)
        firstFailure_ = std::move(text);
}

void EraseLog::change(std::string text) {
    if (!firstChange_)
        firstChange_ = std::move(text);
}

void EraseLog::problemOf(const Result& helper) {
    if (helper.status == RemovalOutcome::Status::Changed)
        change(helper.reason);
    else
        failure(helper.reason);
}

void EraseLog::takeOver(const Result& helper) {
    result_.items += helper.items;
    result_.bytes += helper.bytes;
    if (helper.stopped)
        stop(RemovalOutcome::Status::Changed, helper.reason);
}

void EraseLog::stop(RemovalOutcome::Status status, const std::string& what) {
    if (!stopped_) {
        stopped_ = true;
        result_.status = status;
        result_.reason = what;
        result_.stopped = status != RemovalOutcome::Status::Cancelled;
    }
    if (status != RemovalOutcome::Status::Cancelled && halt_)
        halt_->store(true, std::memory_order_relaxed);
}

EraseLog::Result EraseLog::finish(bool removedRoot) {
    flushProgress();
    if (!stopped_) {
        if (firstChange_) {
            result_.status = RemovalOutcome::Status::Changed;
            result_.reason = *firstChange_;
        } else if (firstFailure_) {
            result_.status = RemovalOutcome::Status::Failed;
            result_.reason = *firstFailure_;
        } else if (result_.gone && removedRoot && result_.items == 0) {
            result_.status = RemovalOutcome::Status::AlreadyGone;
        }
    }
    return result_;
}

} // namespace dovrel
