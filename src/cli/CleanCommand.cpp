#include "cli/CleanCommand.h"

#include "cli/CliText.h"
#include "cli/ScanCommand.h"
#include "cli/ScanJson.h"
#include "engine/Cleaner.h"
#include "engine/HandOver.h"
#include "engine/Remover.h"
#include "engine/SizeAccounting.h"
#include "engine/SmartScan.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/JsonText.h"

#include <QString>

#include <cstdio>
#include <set>

namespace dovrel {

namespace {

// True when `inner` is `outer` or lies below it (whole path components).
bool within(const std::string& inner, const std::string& outer) {
    if (inner.size() < outer.size() || inner.compare(0, outer.size(), outer) != 0)
        return false;
    return inner.size() == outer.size() || outer == "/" || inner[outer.size()] == '/';
}

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

// Takes "--flag V1 V2 ..." (values up to the next "--" option), as often as
// the flag appears.
bool takeList(std::vector<std::string>& args, const std::string& flag, std::vector<std::string>& values,
              bool& present) {
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != flag) {
            ++i;
            continue;
        }
        present = true;
        std::size_t j = i + 1;
        while (j < args.size() && args[j].rfind("--", 0) != 0)
            values.push_back(args[j++]);
        if (j == i + 1)
            return false;
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(j));
    }
    return true;
}

} // namespace

int CleanCommand::run(std::vector<std::string> args) {
    std::string error;
    auto folders = ScanCommand::resolveFolders(args, error);
    if (!folders) {
        std::fprintf(stderr, "dovrel-cleaner-cli: %s\n", error.c_str());
        return 2;
    }
    int threads = 2;
    if (!ScanCommand::takeThreads(args, threads, error)) {
        std::fprintf(stderr, "dovrel-cleaner-cli: %s\n", error.c_str());
        return 2;
    }
    std::vector<std::string> only, keep;
    bool hasOnly = false, hasKeep = false;
    if (!takeList(args, "--only", only, hasOnly) || !takeList(args, "--keep", keep, hasKeep)) {
        std::fprintf(stderr, "dovrel-cleaner-cli: --only needs category tags and --keep needs paths\n");
        return 2;
    }
    bool yes = false, json = false;
    for (const auto& a : args) {
        if (a == "--yes") {
            yes = true;
        } else if (a == "--json") {
            json = true;
        } else {
            std::fprintf(stderr, "dovrel-cleaner-cli: unknown argument for clean: %s\n", a.c_str());
            return 2;
        }
    }
    std::set<std::string> tags;
    for (const auto& t : only) {
        bool known = false;
        for (const char* k : SmartScan::kCategoryTags)
            known |= t == k;
        if (!known) {
            std::fprintf(
                stderr,
                "dovrel-cleaner-cli: unknown category '%s' (caches logs remainders browsers mails installs "
                "trash)\n",
                t.c_str());
            return 2;
        }
        tags.insert(t);
    }
    std::vector<std::string> kept;
    for (const auto& k : keep)
        kept.push_back(ScanJson::normalisedPath(ScanCommand::locationFromArgument(k)));

    ScanCommand::Engine engine(*folders);
    engine.cleaner->scan_threads = threads;
    ScanCommand::runScan(*engine.cleaner);
    Cleaner& cleaner = *engine.cleaner;

    // The app's initial selection is everything; narrow it.
    ByteCount chosen = 0;
    auto keepsBack = [&](const Location& l) {
        const std::string p = ScanJson::normalisedPath(l);
        for (const auto& k : kept)
            if (within(p, k) || within(k, p))
                return true;
        return false;
    };
    std::vector<Location> files;
    const auto results = HandOver::categories(cleaner);
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (!results[i] || !results[i]->items || (hasOnly && !tags.count(SmartScan::kCategoryTags[i])))
            continue;
        for (const ResultEntry& e : *results[i]->items) {
            std::vector<Location> locations = HandOver::locationsOf(e);
            std::vector<Location> going;
            for (auto& l : locations)
                if (!keepsBack(l))
                    going.push_back(std::move(l));
            if (going.empty())
                continue;
            chosen += going.size() == locations.size() ? HandOver::sizeOf(e)
                                                       : SizeAccounting::overall_size_of_files(going);
            for (auto& l : going)
                files.push_back(std::move(l));
        }
    }
    cleaner.files = files;
    cleaner.wasCleaned = chosen;

    if (!yes) {
        if (json) {
            std::string out =
                "{\"format\":\"dovrel-clean/1\",\"dry_run\":true,\"chosen_size\":" + std::to_string(chosen) +
                ",\"locations\":[";
            for (std::size_t i = 0; i < files.size(); ++i)
                out += (i ? "," : "") + jsonString(ScanJson::normalisedPath(files[i]));
            out += "]}\n";
            std::fputs(out.c_str(), stdout);
        } else {
            for (const auto& f : files)
                std::printf("would remove  %s\n", CliText::display(f).c_str());
            std::printf("%zu locations, %s chosen.\n", files.size(),
                        CliText::utf8(formatByteCount(chosen)).c_str());
            std::printf("Nothing was removed. Run the same command with --yes to remove them for good.\n");
        }
        return 0;
    }

    Remover remover(folders->home);
    const RemovalReport report = remover.remove(HandOver::requests(cleaner, files));

    // What was actually freed joins the all-time total, not what was chosen.
    // One read-modify-write under the file lock: the desktop application
    // may be adding its own cleanup at the same time.
    if (report.bytesFreed != 0)
        Defaults::standard().addToInteger(QStringLiteral("TotallyCleaned"), report.bytesFreed);

    if (json) {
        std::string out =
            "{\"format\":\"dovrel-clean/1\",\"dry_run\":false,\"chosen_size\":" + std::to_string(chosen) +
            ",\"bytes_freed\":" + std::to_string(report.bytesFreed) +
            ",\"items_removed\":" + std::to_string(report.itemsRemoved) + ",\"outcomes\":[";
        for (std::size_t i = 0; i < report.outcomes.size(); ++i) {
            const auto& o = report.outcomes[i];
            out += std::string(i ? "," : "") +
                   "{\"url\":" + jsonString(ScanJson::normalisedPath(o.location)) + ",\"status\":\"" +
                   statusText(o.status) + "\",\"reason\":" + jsonString(o.reason) +
                   ",\"items\":" + std::to_string(o.items) + ",\"bytes\":" + std::to_string(o.bytes) + "}";
        }
        out += "]}\n";
        std::fputs(out.c_str(), stdout);
    } else {
        int problems = 0;
        for (const auto& o : report.outcomes) {
            if (o.done())
                continue;
            ++problems;
            std::printf("%-9s %s: %s\n", statusText(o.status), CliText::display(o.location).c_str(),
                        o.reason.c_str());
        }
        std::printf("Freed %s (%lld items) of %s chosen; %zu locations, %d not removed.\n",
                    CliText::utf8(formatByteCount(report.bytesFreed)).c_str(),
                    static_cast<long long>(report.itemsRemoved),
                    CliText::utf8(formatByteCount(chosen)).c_str(), report.outcomes.size(), problems);
    }
    return report.allDone() ? 0 : 1;
}

} // namespace dovrel
