#include "cli/CliApp.h"

#include "cli/CleanCommand.h"
#include "cli/CliArguments.h"
#include "cli/CliOutput.h"
#include "cli/CliText.h"
#include "cli/KeepCommand.h"
#include "cli/SampleHome.h"
#include "cli/SampleHomeLinux.h"
#include "cli/ScanCommand.h"
#include "platform/Defaults.h"
#include "platform/Grant.h"

#include <cstdio>
#include <optional>
#include <stdexcept>

namespace dovrel {

const char* CliApp::usage() {
    return "usage: dovrel-cleaner-cli COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n"
           "  scan [--home DIR] [--applications DIR] [--json] [--entries] [--threads N]\n"
           "       [--layout macos|linux] [--system-root DIR]\n"
           "      Run the smart scan and print what it found. Without --home/--applications the\n"
           "      folders granted in dovrel-cleaner are used. --threads sets how many threads\n"
           "      measure (default: one per processor, up to 16 while the disk is slow).\n"
           "      --layout forces the home layout (default: macos when the\n"
           "      home has Library/Caches, else linux); --system-root DIR makes the linux layout\n"
           "      read DIR/share, DIR/flatpak and DIR/snap instead of this machine's (the\n"
           "      system folder of sample-home --layout linux).\n"
           "  clean [--home DIR] [--applications DIR] [--only TAG...] [--keep PATH...] [--yes] [--json]\n"
           "        [--layout macos|linux] [--system-root DIR] [--to-trash]\n"
           "      Scan, then remove everything found (minus --keep paths, only --only categories).\n"
           "      --to-trash moves it into the home's Trash instead, where it can be restored\n"
           "      (what lies in the Trash itself still goes for good); it is freed only when the\n"
           "      Trash is emptied, so it does not count as removed in the total.\n"
           "      Without --yes nothing is removed: it prints what would go. With --yes it prints\n"
           "      that plan first and removes nothing if it cannot. A --keep path is matched by\n"
           "      what it names (links followed, trailing \"/\" accepted); a found location holding\n"
           "      a kept path is kept whole, and a --keep that names nothing found is a usage\n"
           "      error. What went is added to dovrel-cleaner's all-time total; a total that\n"
           "      cannot be recorded is reported on stderr (the status stays 0).\n"
           "      Tags: caches logs remainders browsers mails installs trash. The keep list\n"
           "      (below) holds back what it names in every scan and clean.\n"
           "  keep add PATH... | keep remove PATH... | keep list [--json]\n"
           "      The keep list, shared with dovrel-cleaner: what it holds is never offered\n"
           "      nor removed, and a found location holding a kept path is kept whole. A path\n"
           "      is stored as it is meant when added (links resolved then).\n"
           "  grant [--home DIR] [--applications DIR]\n"
           "      Store folder grants for dovrel-cleaner and this program (as the app's\n"
           "      folder-access screen does).\n"
           "  sample-home DIR [--files N] [--layout macos|linux]\n"
           "      Build a macOS-shaped sample home (DIR/<login name>) and DIR/Applications, or with\n"
           "      --layout linux a freedesktop-shaped one and DIR/system (its machine's share,\n"
           "      flatpak and snap folders).\n"
           "\n"
           "Options:\n"
           "  --help       show this text\n"
           "  --version    show the version\n"
           "\n"
           "Exit status: 0 success, 1 failure (some location not removed, the output could not\n"
           "be written, a grant not stored), 2 usage error (nothing was done).\n"
           "Names are shown with control characters and bytes that are not UTF-8 escaped\n"
           "(\\r, \\x1b, \\xff, \\u009b; a backslash shows as \\\\); --json output is exact.\n";
}

namespace {

int fail(const std::string& message, int status) {
    std::fprintf(stderr, "dovrel-cleaner-cli: %s\n", message.c_str());
    return status;
}

int grant(std::vector<std::string> args) {
    std::string error;
    std::optional<std::string> home, apps;
    if (!CliArguments::takeValue(args, "--home", ScanCommand::kFolderNeed, home, error) ||
        !CliArguments::takeValue(args, "--applications", ScanCommand::kFolderNeed, apps, error))
        return fail(error, 2);
    if (!args.empty())
        return fail("grant: unexpected argument " + CliText::escaped(args.front()), 2);
    if (!home && !apps)
        return fail("grant needs --home DIR and/or --applications DIR", 2);
    const std::pair<std::optional<std::string>, const char*> grants[] = {{home, Grant::kHomeKey},
                                                                         {apps, Grant::kApplicationsKey}};
    for (const auto& [dir, key] : grants) {
        if (dir && !Grant::create(ScanCommand::locationFromArgument(*dir)))
            return fail("grant: " + CliText::escaped(*dir) + " is not a folder", 2);
    }
    for (const auto& [dir, key] : grants) {
        if (!dir)
            continue;
        auto data = Grant::create(ScanCommand::locationFromArgument(*dir));
        Defaults& settings = Defaults::standard();
        if (!data || !settings.setData(QString::fromLatin1(key), *data))
            return fail(std::string("grant: the ") + key + " grant was not stored in " +
                            CliText::display(settings.file()) + ": " +
                            CliText::utf8(settings.lastWriteError()),
                        1);
    }
    return 0;
}

int sampleHome(std::vector<std::string> args) {
    std::string error;
    std::optional<std::string> count, layout;
    if (!CliArguments::takeValue(args, "--files", "a count", count, error) ||
        !CliArguments::takeValue(args, "--layout", "macos or linux", layout, error))
        return fail(error, 2);
    if (layout && *layout != "macos" && *layout != "linux")
        return fail("--layout needs macos or linux, not " + CliText::escaped(*layout), 2);
    std::int64_t files = 0;
    if (count) {
        try {
            std::size_t used = 0;
            files = std::stoll(*count, &used);
            if (used != count->size() || files < 0)
                throw std::invalid_argument("n");
        } catch (const std::exception&) {
            return fail("--files needs a count, not " + CliText::escaped(*count), 2);
        }
    }
    std::optional<std::string> dir;
    for (const auto& a : args) {
        if (dir || a.empty() || a[0] == '-')
            return fail("unknown argument for sample-home: " + CliText::escaped(a), 2);
        dir = a;
    }
    if (!dir)
        return fail("sample-home needs a folder: sample-home DIR [--files N]", 2);
    try {
        if (layout == "linux") {
            const auto made = SampleHomeLinux::build(ScanCommand::locationFromArgument(*dir), files,
                                                     SampleHome::loginName());
            CliOutput::write("home " + CliText::display(made.home) + "\nsystem " +
                             CliText::display(made.system) + "\nfiles " + std::to_string(made.files) + "\n");
            return 0;
        }
        const auto made =
            SampleHome::build(ScanCommand::locationFromArgument(*dir), files, SampleHome::loginName());
        CliOutput::write("home " + CliText::display(made.home) + "\napplications " +
                         CliText::display(made.applications) + "\nfiles " + std::to_string(made.files) +
                         "\n");
        return 0;
    } catch (const std::exception& e) {
        return fail(std::string("sample-home: ") + CliText::escaped(e.what()), 1);
    }
}

int runCommand(std::vector<std::string> args) {
    if (args.empty()) {
        std::fputs(CliApp::usage(), stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        CliOutput::write(CliApp::usage());
        return 0;
    }
    if (command == "--version") {
        CliOutput::write(std::string("dovrel-cleaner-cli ") + DOVREL_VERSION + "\n");
        return 0;
    }
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            CliOutput::write(CliApp::usage());
            return 0;
        }
    }
    if (command == "scan")
        return ScanCommand::run(std::move(args));
    if (command == "clean")
        return CleanCommand::run(std::move(args));
    if (command == "grant")
        return grant(std::move(args));
    if (command == "keep")
        return KeepCommand::run(std::move(args));
    if (command == "sample-home")
        return sampleHome(std::move(args));
    return fail("unknown command '" + CliText::escaped(command) + "' (try --help)", 2);
}

} // namespace

int CliApp::run(std::vector<std::string> args) {
    Defaults::setSetAsideHandler([](const std::filesystem::path& aside) {
        std::fprintf(stderr,
                     "dovrel-cleaner-cli: a settings file held a value it could not use; it was set aside "
                     "as %s\n",
                     CliText::display(aside).c_str());
    });
    const int status = runCommand(std::move(args));
    if (CliOutput::flush())
        return status;
    CliOutput::reportFailure();
    return status == 0 ? 1 : status;
}

} // namespace dovrel
