#include "cli/CleanCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "cli/ScanCommand.h"
#include "cli/ScanJson.h"
#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/CleaningMode.h"
#include "engine/HandOver.h"
#include "engine/KeptPaths.h"
#include "engine/SelectionSize.h"
#include "engine/SmartScan.h"
#include "fs/Remover.h"
#include "fs/TrashMover.h"
#include "layout/BrowserInUse.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/JsonText.h"

#include <QString>

#include <cstdio>
#include <set>
#include <unordered_set>

namespace dovrel {

namespace {

const char* statusText(RemovalOutcome::Status s) {
    switch (s) {
    case RemovalOutcome::Status::Removed:
        return "removed";
    case RemovalOutcome::Status::AlreadyGone:
        return "already-gone";
    case RemovalOutcome::Status::Changed:
        return "changed";
    case RemovalOutcome::Status::Refused:
        return "refused";
    case RemovalOutcome::Status::Failed:
        return "failed";
    case RemovalOutcome::Status::Cancelled:
        return "cancelled";
    }
    return "failed";
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "dovrel-cleaner-cli: %s\n", message.c_str());
    return 2;
}

// A location held back by a --keep path.
struct HeldBack {
    Location location;
    std::string keep;
    bool fromList = false; // held by the keep list, not a --keep
};

std::string jsonKept(const std::vector<HeldBack>& held) {
    std::string out = "[";
    for (std::size_t i = 0; i < held.size(); ++i)
        out += std::string(i ? "," : "") +
               "{\"url\":" + jsonString(ScanJson::normalisedPath(held[i].location)) +
               ",\"keep\":" + jsonString(held[i].keep) + (held[i].fromList ? ",\"list\":true" : "") + "}";
    return out + "]";
}

// A location a running browser holds.
struct InUse {
    Location location;
    std::string browser;
};

std::string jsonInUse(const std::vector<InUse>& held) {
    std::string out = "[";
    for (std::size_t i = 0; i < held.size(); ++i)
        out += std::string(i ? "," : "") +
               "{\"url\":" + jsonString(ScanJson::normalisedPath(held[i].location)) +
               ",\"browser\":" + jsonString(held[i].browser) +
               ",\"reason\":" + jsonString(BrowserInUse::reason(held[i].browser)) + "}";
    return out + "]";
}

std::string jsonLocations(const std::vector<Location>& files) {
    std::string out = "[";
    for (std::size_t i = 0; i < files.size(); ++i)
        out += (i ? "," : "") + jsonString(ScanJson::normalisedPath(files[i]));
    return out + "]";
}

} // namespace

int CleanCommand::run(std::vector<std::string> args) {
    std::string error;
    auto folders = ScanCommand::resolveFolders(args, error);
    if (!folders)
        return usageError(error);
    int threads = 0; // as scan
    if (!ScanCommand::takeThreads(args, threads, error))
        return usageError(error);
    std::vector<std::string> only, keep;
    if (!CliArguments::takeList(args, "--only", "category tags", only, error) ||
        !CliArguments::takeList(args, "--keep", "paths", keep, error))
        return usageError(error);
    const bool yes = CliArguments::takeFlag(args, "--yes");
    const bool json = CliArguments::takeFlag(args, "--json");
    const bool toTrash = CliArguments::takeFlag(args, "--to-trash");
    if (!args.empty())
        return usageError("unknown argument for clean: " + CliText::escaped(args.front()));
    std::set<std::string> tags;
    for (const auto& t : only) {
        if (!CategoryTable::find(t)) {
            std::string known;
            for (const ScanCategory& c : CategoryTable::all())
                known += (known.empty() ? "" : " ") + std::string(c.tag);
            return usageError("unknown category '" + CliText::escaped(t) + "' (" + known + ")");
        }
        tags.insert(t);
    }
    KeptPaths kept;
    for (const auto& k : keep)
        if (!kept.add(k, error))
            return usageError("--keep " + CliText::display(Location(k)) + ": " + error +
                              "; nothing was removed");

    ScanCommand::Engine engine(*folders);
    if (engine.keepListWasDamaged) {
        std::fprintf(stderr,
                     "dovrel-cleaner-cli: the keep list could not be read and was set aside (above), so "
                     "nothing was removed; run clean again to clean with an empty keep list\n");
        return 1;
    }
    engine.cleaner->scan_threads = threads;
    ScanCommand::runScan(*engine.cleaner);
    Cleaner& cleaner = *engine.cleaner;

    // The app's initial selection is everything; narrow it. Every location
    // found is shown to the kept paths, also outside the chosen categories,
    // so that a --keep matching nothing at all is told apart.
    std::vector<Location> files;
    std::unordered_set<std::string> once;
    std::vector<HeldBack> held;
    std::vector<InUse> inUse;
    // What the keep list held back at the scan is shown too.
    for (const auto& k : cleaner.kept_locations)
        if (tags.empty() || tags.count(CategoryTable::all()[k.category].tag))
            held.push_back({k.location, k.keptBy, true});
    const auto results = HandOver::categories(cleaner);
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (!results[i] || !results[i]->items)
            continue;
        const bool chosenCategory = tags.empty() || tags.count(CategoryTable::all()[i].tag);
        for (const ResultEntry& e : *results[i]->items) {
            std::vector<Location> locations = HandOver::locationsOf(e);
            std::vector<Location> going;
            for (auto& l : locations) {
                const auto seen = cleaner.scanned_identities.find(l.native());
                const auto why = kept.keepsBack(l, seen == cleaner.scanned_identities.end()
                                                       ? std::nullopt
                                                       : std::optional<FileIdentity>(seen->second));
                if (!chosenCategory)
                    continue;
                if (why) {
                    held.push_back({l, *why});
                } else if (auto browser = BrowserInUse::holderOf(folders->home, l)) {
                    // Site data under a running browser would corrupt its profile.
                    if (once.insert(l.native()).second)
                        inUse.push_back({l, *browser});
                } else {
                    going.push_back(l);
                }
            }
            // Two results may name one location; it goes once.
            for (auto& l : going)
                if (once.insert(l.native()).second)
                    files.push_back(std::move(l));
        }
    }
    // What the plan frees, each byte once: a location inside another one
    // chosen (an installer inside a package) goes with it.
    const ByteCount chosen = SelectionSize::ofLocations(files, cleaner.scanned_sizes);
    const auto unused = kept.unused();
    if (!unused.empty()) {
        for (const auto& k : unused)
            std::fprintf(stderr,
                         "dovrel-cleaner-cli: --keep %s: the scan found nothing there, inside it or "
                         "holding it; nothing was removed\n",
                         CliText::escaped(k).c_str());
        return 2;
    }
    cleaner.files = files;
    cleaner.wasCleaned = chosen;
    // Into the Trash, all but what lies in it: that only ever goes for good.
    std::optional<TrashMover> mover;
    if (toTrash)
        mover.emplace(folders->home, cleaner.trash_pairs);
    const auto intoTrash = [&](const Location& l) { return mover && !mover->inTrash(l); };
    for (const auto& u : inUse)
        std::fprintf(stderr, "dovrel-cleaner-cli: left alone: %s: %s\n", CliText::display(u.location).c_str(),
                     BrowserInUse::reason(u.browser).c_str());

    // The plan, in full, before anything goes. Output that already fails
    // here would leave the user blind: then nothing is removed.
    if (json) {
        CliOutput::write(std::string("{\"format\":\"dovrel-clean/1\",\"dry_run\":") +
                         (yes ? "false" : "true") + ",\"to_trash\":" + (toTrash ? "true" : "false") +
                         ",\"chosen_size\":" + std::to_string(chosen) +
                         ",\"locations\":" + jsonLocations(files) + ",\"kept\":" + jsonKept(held) +
                         ",\"in_use\":" + jsonInUse(inUse));
        if (!yes)
            CliOutput::write("}\n");
    } else {
        std::string plan;
        for (const auto& f : files)
            plan += (intoTrash(f) ? (yes ? "to Trash  " : "would trash   ")
                                  : (yes ? "remove    " : "would remove  ")) +
                    CliText::display(f) + "\n";
        for (const auto& h : held)
            plan += (yes ? "keep      " : "keep          ") + CliText::display(h.location) +
                    (h.fromList ? "  (kept: " : "  (--keep ") + CliText::escaped(h.keep) + ")\n";
        char line[256];
        for (const auto& u : inUse)
            plan += (yes ? "in use    " : "in use        ") + CliText::display(u.location) + "  (" +
                    BrowserInUse::reason(u.browser) + ")\n";
        std::snprintf(line, sizeof line, "%zu locations, %s chosen%s%s.\n", files.size(),
                      CliText::utf8(formatByteCount(chosen)).c_str(), held.empty() ? "" : ", some kept back",
                      inUse.empty() ? "" : ", some left to running browsers");
        plan += line;
        if (!yes)
            plan += toTrash
                        ? "Nothing was moved. Run the same command with --yes to move them to the Trash.\n"
                        : "Nothing was removed. Run the same command with --yes to remove them for good.\n";
        CliOutput::write(plan);
    }
    if (!yes)
        return 0;
    if (!CliOutput::flush()) {
        CliOutput::reportFailure();
        std::fprintf(stderr, "dovrel-cleaner-cli: the plan could not be shown, so nothing was removed\n");
        return 1;
    }

    Remover remover(folders->home);
    const RemovalReport report = CleaningMode::clean(remover, mover ? &*mover : nullptr, folders->home,
                                                     cleaner.trash_pairs, HandOver::requests(cleaner, files));

    // What was actually freed joins the all-time total, not what was chosen;
    // added in one step under the settings lock, so concurrent cleans add up.
    bool recorded = true;
    if (report.bytesFreed != 0) {
        Defaults& settings = Defaults::standard();
        if (!settings.addToInteger(QStringLiteral("TotallyCleaned"), report.bytesFreed)) {
            recorded = false;
            std::fprintf(stderr,
                         "dovrel-cleaner-cli: the %s freed could not be added to the all-time total "
                         "(TotallyCleaned): %s\n",
                         CliText::utf8(formatByteCount(report.bytesFreed)).c_str(),
                         CliText::utf8(settings.lastWriteError()).c_str());
        }
    }

    if (json) {
        std::string out = ",\"bytes_freed\":" + std::to_string(report.bytesFreed) +
                          ",\"bytes_moved_to_trash\":" + std::to_string(report.bytesMovedToTrash) +
                          ",\"items_removed\":" + std::to_string(report.itemsRemoved) +
                          ",\"total_recorded\":" + (recorded ? "true" : "false") + ",\"outcomes\":[";
        for (std::size_t i = 0; i < report.outcomes.size(); ++i) {
            const auto& o = report.outcomes[i];
            out += std::string(i ? "," : "") +
                   "{\"url\":" + jsonString(ScanJson::normalisedPath(o.location)) + ",\"status\":\"" +
                   statusText(o.status) + "\",\"reason\":" + jsonString(o.reason) +
                   ",\"items\":" + std::to_string(o.items) + ",\"bytes\":" + std::to_string(o.bytes) +
                   ",\"moved_to_trash\":" + (o.movedToTrash ? "true" : "false") + "}";
        }
        out += "]}\n";
        CliOutput::write(out);
    } else {
        std::string out;
        int problems = 0;
        for (const auto& o : report.outcomes) {
            if (o.done())
                continue;
            ++problems;
            char status[16];
            std::snprintf(status, sizeof status, "%-9s ", statusText(o.status));
            out += status + CliText::display(o.location) + ": " + CliText::escaped(o.reason) + "\n";
        }
        char line[512];
        if (toTrash)
            std::snprintf(
                line, sizeof line,
                "Moved %s to the Trash (freed when it is emptied), freed %s for good (%lld items) of %s "
                "chosen; %zu locations, %d not moved or removed.\n",
                CliText::utf8(formatByteCount(report.bytesMovedToTrash)).c_str(),
                CliText::utf8(formatByteCount(report.bytesFreed)).c_str(),
                static_cast<long long>(report.itemsRemoved), CliText::utf8(formatByteCount(chosen)).c_str(),
                report.outcomes.size(), problems);
        else
            std::snprintf(line, sizeof line,
                          "Freed %s (%lld items) of %s chosen; %zu locations, %d not removed.\n",
                          CliText::utf8(formatByteCount(report.bytesFreed)).c_str(),
                          static_cast<long long>(report.itemsRemoved),
                          CliText::utf8(formatByteCount(chosen)).c_str(), report.outcomes.size(), problems);
        CliOutput::write(out + line);
    }
    return report.allDone() ? 0 : 1;
}

} // namespace dovrel
