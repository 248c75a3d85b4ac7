#include "cli/CliArguments.h"

namespace dovrel {

namespace {

bool isOption(const std::string& arg) {
    return arg.rfind("--", 0) == 0;
}

} // namespace

bool CliArguments::takeFlag(std::vector<std::string>& args, const std::string& flag) {
    bool found = false;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == flag) {
            it = args.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}

bool CliArguments::takeValue(std::vector<std::string>& args, const std::string& flag, const char* needs,
                             std::optional<std::string>& value, std::string& error) {
    for (std::size_t i = 0; i < args.size();) {
        std::size_t used = 0;
        std::string v;
        if (args[i] == flag) {
            if (i + 1 == args.size() || args[i + 1].empty() || isOption(args[i + 1])) {
                error = missing(flag, needs);
                return false;
            }
            v = args[i + 1];
            used = 2;
        } else if (args[i].rfind(flag + "=", 0) == 0) {
            v = args[i].substr(flag.size() + 1);
            if (v.empty()) {
                error = missing(flag, needs);
                return false;
            }
            used = 1;
        } else {
            ++i;
            continue;
        }
        value = std::move(v);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + used));
    }
    return true;
}

bool CliArguments::takeList(std::vector<std::string>& args, const std::string& flag, const char* needs,
                            std::vector<std::string>& values, std::string& error) {
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != flag) {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool emptyValue = false;
        while (j < args.size() && !isOption(args[j])) {
            emptyValue |= args[j].empty();
            values.push_back(args[j++]);
        }
        if (j == i + 1 || emptyValue) {
            error = missing(flag, needs);
            return false;
        }
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(j));
    }
    return true;
}

} // namespace dovrel
