#include "engine/CleaningMode.h"

#include "fs/Remover.h"
#include "fs/TrashMover.h"
#include "layout/BrowserInUse.h"
#include "layout/TrashPairRemoval.h"
#include "platform/Defaults.h"

#include <QString>

namespace dovrel {

CleaningMode::Mode CleaningMode::stored(const Defaults& settings) {
    const std::optional<QByteArray> value = settings.dataForKey(QString::fromLatin1(kKey));
    return value && *value == "trash" ? Mode::Trash : Mode::Delete;
}

bool CleaningMode::store(Defaults& settings, Mode mode) {
    return settings.setData(QString::fromLatin1(kKey), mode == Mode::Trash ? "trash" : "delete");
}

RemovalReport CleaningMode::clean(Remover& remover, TrashMover* mover, const Location& home,
                                  const std::optional<Location>& trashPairs,
                                  const std::vector<RemovalRequest>& requests) {
    if (!mover)
        return TrashPairRemoval::removeFor(remover, home, trashPairs, requests);

    // Runs of neighbouring locations that go the same way, in order. What a
    // running browser holds goes nowhere, as TrashPairRemoval refuses it.
    enum class Way { ForGood, Moved, InUse };
    auto wayOf = [&](const RemovalRequest& r) {
        if (mover->inTrash(r.location))
            return Way::ForGood;
        return BrowserInUse::holderOf(home, r.location.lexically_normal()) ? Way::InUse : Way::Moved;
    };
    RemovalReport report;
    bool cancelled = false;
    std::size_t i = 0;
    while (i < requests.size()) {
        const Way way = wayOf(requests[i]);
        std::vector<RemovalRequest> run;
        for (; i < requests.size() && wayOf(requests[i]) == way; ++i)
            run.push_back(requests[i]);
        RemovalReport part;
        if (cancelled || way == Way::InUse) {
            for (const RemovalRequest& r : run) {
                RemovalOutcome o{r.location, RemovalOutcome::Status::Cancelled, "cancelled"};
                if (const auto browser = BrowserInUse::holderOf(home, r.location.lexically_normal());
                    browser && !cancelled) {
                    o.status = RemovalOutcome::Status::Refused;
                    o.reason = BrowserInUse::reason(*browser);
                }
                part.outcomes.push_back(std::move(o));
            }
        } else {
            part = way == Way::ForGood ? TrashPairRemoval::removeFor(remover, home, trashPairs, run)
                                       : mover->move(run);
        }
        for (RemovalOutcome& o : part.outcomes) {
            cancelled = cancelled || o.status == RemovalOutcome::Status::Cancelled;
            report.outcomes.push_back(std::move(o));
        }
        report.itemsRemoved += part.itemsRemoved;
        report.bytesFreed += part.bytesFreed;
        report.bytesMovedToTrash += part.bytesMovedToTrash;
    }
    return report;
}

} // namespace dovrel
