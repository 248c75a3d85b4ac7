#include "cli/ScanCommand.h"

#include "catalogue/Cache.h"
#include "catalogue/Remainders.h"
#include "cli/CliArguments.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "cli/ScanJson.h"
#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/HandOver.h"
#include "engine/KeepList.h"
#include "engine/SmartScan.h"
#include "fs/PathOps.h"
#include "layout/BrowserInUse.h"
#include "platform/ByteCountFormatter.h"
#include "platform/Defaults.h"
#include "platform/Dispatch.h"
#include "platform/Grant.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <unistd.h>

namespace dovrel {

bool ScanCommand::takeThreads(std::vector<std::string>& args, int& threads, std::string& error) {
    std::optional<std::string> value;
    if (!CliArguments::takeValue(args, "--threads", kThreadsNeed, value, error))
        return false;
    if (!value)
        return true;
    try {
        std::size_t used = 0;
        const int n = std::stoi(*value, &used);
        if (used != value->size() || n < 1 || n > 64)
            throw std::invalid_argument("threads");
        threads = n;
        return true;
    } catch (const std::exception&) {
        error = CliArguments::missing("--threads", kThreadsNeed) + ", not " + CliText::escaped(*value);
        return false;
    }
}

ScanCommand::Engine::Engine(const Folders& folders) {
    cache = std::make_unique<Cache>(folders.home, folders.applications);
    remainders = std::make_unique<Remainders>(folders.home, folders.applications, cache.get());
    cleaner = std::make_unique<Cleaner>(folders.home, cache.get(), remainders.get());
    cleaner->forced_layout = folders.layout;
    keepList = std::make_unique<KeepList>(KeepList::standardStore());
    keepListWasDamaged = keepList->setAsideIfDamaged();
    cleaner->keep_list = keepList.get();
    if (folders.systemRoot)
        cleaner->useSystemRoot(*folders.systemRoot);
}

ScanCommand::Engine::~Engine() = default;

Location ScanCommand::locationFromArgument(const std::string& argument) {
    std::error_code ec;
    Location p = std::filesystem::absolute(Location(argument), ec);
    if (ec)
        p = Location(argument);
    p = p.lexically_normal();
    return Location(ScanJson::normalisedPath(p));
}

std::optional<ScanCommand::Folders> ScanCommand::resolveFolders(std::vector<std::string>& args,
                                                                std::string& error) {
    std::optional<std::string> homeArg, appsArg, layoutArg, systemArg;
    if (!CliArguments::takeValue(args, "--home", kFolderNeed, homeArg, error) ||
        !CliArguments::takeValue(args, "--applications", kFolderNeed, appsArg, error) ||
        !CliArguments::takeValue(args, "--layout", kLayoutNeed, layoutArg, error) ||
        !CliArguments::takeValue(args, "--system-root", kFolderNeed, systemArg, error))
        return std::nullopt;

    Folders folders;
    if (layoutArg) {
        folders.layout = HomeLayout::fromName(*layoutArg);
        if (!folders.layout) {
            error = CliArguments::missing("--layout", kLayoutNeed) + ", not " + CliText::escaped(*layoutArg);
            return std::nullopt;
        }
    }
    if (systemArg) {
        folders.systemRoot = locationFromArgument(*systemArg);
        if (!PathOps::isDirectory(*folders.systemRoot)) {
            error = "--system-root: " + CliText::display(*folders.systemRoot) + " is not a folder";
            return std::nullopt;
        }
    }
    if (homeArg) {
        folders.home = locationFromArgument(*homeArg);
        if (!PathOps::isDirectory(folders.home)) {
            error = "--home: " + CliText::display(folders.home) + " is not a folder";
            return std::nullopt;
        }
    } else {
        auto grant = Grant::resolve(Defaults::standard(), Grant::kHomeKey);
        if (!grant.folder) {
            error =
                grant.status == Grant::Status::NoGrant
                    ? "no home folder: pass --home DIR, or grant one in dovrel-cleaner"
                    : "the granted home folder is gone: pass --home DIR, or grant it again in dovrel-cleaner";
            return std::nullopt;
        }
        folders.home = *grant.folder;
    }
    if (appsArg) {
        folders.applications = locationFromArgument(*appsArg);
        if (!PathOps::isDirectory(*folders.applications)) {
            error = "--applications: " + CliText::display(*folders.applications) + " is not a folder";
            return std::nullopt;
        }
    } else {
        folders.applications = Grant::resolve(Defaults::standard(), Grant::kApplicationsKey).folder;
    }
    return folders;
}

void ScanCommand::runScan(Cleaner& cleaner) {
    const bool tty = ::isatty(STDERR_FILENO) == 1;
    QObject observer;
    const ScanCategory* step = &CategoryTable::all().front();
    auto show = [&] {
        if (!tty)
            return;
        const std::string total = CliText::utf8(formatByteCount(cleaner.total_smart_size.load()));
        const std::string category = CliText::utf8(CategoryTable::label(*step));
        std::fprintf(stderr, "\r\033[KScanning %s… %s found", category.c_str(), total.c_str());
        std::fflush(stderr);
    };
    for (const ScanCategory& category : CategoryTable::all()) {
        if (!category.notification)
            continue;
        NotificationCenter::defaultCenter().addObserver(&observer, QString::fromLatin1(category.notification),
                                                        [&] {
                                                            step = &category;
                                                            show();
                                                        });
    }
    show();

    QEventLoop loop;
    std::atomic<bool> done{false};
    Dispatch::global_async([&] {
        cleaner.smart_clean_with_complete_handler([&] {
            // Queued after the six notifications, so they are all shown first.
            Dispatch::main_async([&] {
                done = true;
                loop.quit();
            });
        });
    });
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, show);
    if (tty)
        ticker.start(100);
    if (!done)
        loop.exec();
    if (tty) {
        std::fprintf(stderr, "\r\033[K");
        std::fflush(stderr);
    }
    // Once each, what was left out on purpose and why.
    for (const SkippedPlace& place : cleaner.skipped_places) {
        const std::string path = CliText::display(place.location);
        if (place.why == SkippedPlace::Why::LinkOnTheWay)
            std::fprintf(stderr,
                         "dovrel-cleaner-cli: not scanned: %s is a symbolic link; what it leads to is not "
                         "part of the home\n",
                         path.c_str());
        else
            std::fprintf(stderr,
                         "dovrel-cleaner-cli: left alone: %s, whose .trashinfo is not a regular file (the "
                         "two go together or not at all)\n",
                         path.c_str());
    }
}

std::string ScanCommand::outline(const Cleaner& c, bool entries) {
    std::string out;
    const auto results = HandOver::categories(c);
    for (std::size_t i = 0; i < c.smart_outline_items.size() && i < results.size(); ++i) {
        const auto& row = c.smart_outline_items[i];
        char line[512];
        std::snprintf(line, sizeof line, "%-28s %12s\n", CliText::utf8(row->label).c_str(),
                      CliText::utf8(formatByteCount(row->size)).c_str());
        out += line;
        if (!entries || !results[i] || !results[i]->items)
            continue;
        for (const ResultEntry& e : *results[i]->items) {
            std::string label;
            ByteCount size = 0;
            std::visit(
                [&](const auto& p) {
                    using T = std::decay_t<decltype(*p)>;
                    if constexpr (std::is_same_v<T, CacheItem>) {
                        label = CliText::utf8(p->label) + "  (" + CliText::display(p->url) + ")";
                    } else if constexpr (std::is_same_v<T, LargeFile>) {
                        label = CliText::display(p->url_file);
                    } else if constexpr (std::is_same_v<T, RemainderItem>) {
                        label = CliText::utf8(p->label) + "  [" + CliText::utf8(p->bundle) + ", " +
                                std::to_string(p->files.size()) +
                                (p->files.size() == 1 ? " item]" : " items]");
                    } else {
                        label = CliText::utf8(p->type) + "  [" +
                                std::to_string(p->files ? p->files->size() : 0) + " locations]";
                        for (const QString& browser : p->in_use_by)
                            label += "  (in use: " + BrowserInUse::reason(CliText::utf8(browser)) + ")";
                    }
                    size = p->size;
                },
                e);
            std::snprintf(line, sizeof line, "    %12s  ", CliText::utf8(formatByteCount(size)).c_str());
            out += line + label + "\n";
        }
    }
    char total[128];
    std::snprintf(total, sizeof total, "%-28s %12s\n", "Total",
                  CliText::utf8(formatByteCount(c.total_smart_size.load())).c_str());
    out += total;
    if (!c.kept_locations.empty()) {
        std::snprintf(total, sizeof total, "Kept (keep list): %zu location%s\n", c.kept_locations.size(),
                      c.kept_locations.size() == 1 ? "" : "s");
        out += total;
        if (entries)
            for (const auto& k : c.kept_locations)
                out +=
                    "    " + CliText::display(k.location) + "  (kept: " + CliText::escaped(k.keptBy) + ")\n";
    }
    return out;
}

int ScanCommand::run(std::vector<std::string> args) {
    std::string error;
    auto folders = resolveFolders(args, error);
    if (!folders) {
        std::fprintf(stderr, "dovrel-cleaner-cli: %s\n", error.c_str());
        return 2;
    }
    const bool json = CliArguments::takeFlag(args, "--json");
    const bool entries = CliArguments::takeFlag(args, "--entries");
    int threads = 0; // from the machine: one per processor, more while the disk is slow
    if (!takeThreads(args, threads, error)) {
        std::fprintf(stderr, "dovrel-cleaner-cli: %s\n", error.c_str());
        return 2;
    }
    if (!args.empty()) {
        std::fprintf(stderr, "dovrel-cleaner-cli: unknown argument for scan: %s\n",
                     CliText::escaped(args.front()).c_str());
        return 2;
    }
    Engine engine(*folders);
    engine.cleaner->scan_threads = threads;
    runScan(*engine.cleaner);
    const std::string out = json ? ScanJson::write(*engine.cleaner, folders->applications) + "\n"
                                 : outline(*engine.cleaner, entries);
    CliOutput::write(out);
    return 0;
}

} // namespace dovrel
