#include "engine/CleaningMode.h"

#include "fs/Remover.h"
#include "fs/TrashMover.h"
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

    // Runs of neighbouring locations that go the same way, in order.
    RemovalReport report;
    bool cancelled = false;
    std::size_t i = 0;
    while (i < requests.size()) {
        const bool forGood = mover->inTrash(requests[i].location);
        std::vector<RemovalRequest> run;
        for (; i < requests.size() && mover->inTrash(requests[i].location) == forGood; ++i)
            run.push_back(requests[i]);
        RemovalReport part;
        if (cancelled) {
            for (const RemovalRequest& r : run)
                part.outcomes.push_back(
                    RemovalOutcome{r.location, RemovalOutcome::Status::Cancelled, "cancelled"});
        } else {
            part = forGood ? TrashPairRemoval::removeFor(remover, home, trashPairs, run) : mover->move(run);
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
