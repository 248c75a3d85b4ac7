#include "cli/CliApp.h"

#include "cli/CleanCommand.h"
#include "cli/SampleHome.h"
#include "cli/ScanCommand.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"

#include <cstdio>
#include <stdexcept>

namespace dovrel {

const char* CliApp::usage() {
    return "usage: dovrel-cleaner-cli COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n"
           "  scan [--home DIR] [--applications DIR] [--json] [--entries] [--threads N]\n"
           "      Run the smart scan and print what it found. Without --home/--applications the\n"
           "      folders granted in dovrel-cleaner are used. --threads sets how many threads\n"
           "      measure (default 2).\n"
           "  clean [--home DIR] [--applications DIR] [--only TAG...] [--keep PATH...] [--yes] [--json]\n"
           "      Scan, then remove everything found (minus --keep paths, only --only categories).\n"
           "      Without --yes nothing is removed: it prints what would go.\n"
           "      Tags: caches logs remainders browsers mails installs trash.\n"
           "  grant [--home DIR] [--applications DIR]\n"
           "      Store folder grants for dovrel-cleaner and this program (as the app's\n"
           "      folder-access screen does).\n"
           "  sample-home DIR [--files N]\n"
           "      Build a macOS-shaped sample home (DIR/<login name>) and DIR/Applications.\n"
           "\n"
           "Options:\n"
           "  --help       show this text\n"
           "  --version    show the version\n";
}

int CliApp::run(std::vector<std::string> args) {
    if (args.empty()) {
        std::fputs(usage(), stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(usage(), stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("dovrel-cleaner-cli %s\n", DOVREL_VERSION);
        return 0;
    }
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(usage(), stdout);
            return 0;
        }
    }
    if (command == "scan")
        return ScanCommand::run(std::move(args));
    if (command == "clean")
        return CleanCommand::run(std::move(args));
    if (command == "grant") {
        std::string error;
        std::optional<std::string> home, apps;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const bool isHome = args[i] == "--home", isApps = args[i] == "--applications";
            if ((isHome || isApps) && i + 1 < args.size()) {
                (isHome ? home : apps) = args[++i];
                continue;
            }
            std::fprintf(stderr, "dovrel-cleaner-cli: grant: unexpected argument %s\n", args[i].c_str());
            return 2;
        }
        if (!home && !apps) {
            std::fprintf(stderr, "dovrel-cleaner-cli: grant needs --home DIR and/or --applications DIR\n");
            return 2;
        }
        const std::pair<std::optional<std::string>, const char*> grants[] = {{home, Grant::kHomeKey},
                                                                             {apps, Grant::kApplicationsKey}};
        for (const auto& [dir, key] : grants) {
            if (!dir)
                continue;
            auto data = Grant::create(ScanCommand::locationFromArgument(*dir));
            if (!data) {
                std::fprintf(stderr, "dovrel-cleaner-cli: grant: %s is not a folder\n", dir->c_str());
                return 2;
            }
            if (!Defaults::standard().setData(QString::fromLatin1(key), *data)) {
                std::fprintf(stderr, "dovrel-cleaner-cli: grant: cannot write %s\n",
                             Defaults::standard().file().c_str());
                return 1;
            }
        }
        return 0;
    }
    if (command == "sample-home") {
        std::optional<std::string> dir;
        std::int64_t files = 0;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--files" && i + 1 < args.size()) {
                try {
                    std::size_t used = 0;
                    files = std::stoll(args[i + 1], &used);
                    if (used != args[i + 1].size() || files < 0)
                        throw std::invalid_argument("n");
                } catch (const std::exception&) {
                    std::fprintf(stderr, "dovrel-cleaner-cli: --files needs a count, not %s\n",
                                 args[i + 1].c_str());
                    return 2;
                }
                ++i;
            } else if (!dir && (args[i].empty() || args[i][0] != '-')) {
                dir = args[i];
            } else {
                std::fprintf(stderr, "dovrel-cleaner-cli: unknown argument for sample-home: %s\n",
                             args[i].c_str());
                return 2;
            }
        }
        if (!dir) {
            std::fprintf(stderr,
                         "dovrel-cleaner-cli: sample-home needs a folder: sample-home DIR [--files N]\n");
            return 2;
        }
        try {
            const auto made =
                SampleHome::build(ScanCommand::locationFromArgument(*dir), files, SampleHome::loginName());
            std::printf("home %s\napplications %s\nfiles %lld\n", made.home.c_str(),
                        made.applications.c_str(), static_cast<long long>(made.files));
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "dovrel-cleaner-cli: sample-home: %s\n", e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "dovrel-cleaner-cli: unknown command '%s' (try --help)\n", command.c_str());
    return 2;
}

} // namespace dovrel
