#include "shell/LaunchOptions.h"

#include "fs/PathOps.h"

#include <filesystem>
#include <string_view>

namespace dovrel {

std::optional<LaunchOptions> LaunchOptions::parse(int argc, const char* const* argv, std::string& error) {
    LaunchOptions options;
    constexpr std::string_view kSystemRoot = "--system-root";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::optional<std::string> value;
        if (arg == kSystemRoot) {
            if (i + 1 >= argc) {
                error = "--system-root needs a folder";
                return std::nullopt;
            }
            value = argv[++i];
        } else if (arg.starts_with(kSystemRoot) && arg.size() > kSystemRoot.size() &&
                   arg[kSystemRoot.size()] == '=') {
            value = std::string(arg.substr(kSystemRoot.size() + 1));
        } else {
            error = "unknown option " + std::string(arg) + " (known: --system-root DIR)";
            return std::nullopt;
        }
        if (value->empty()) {
            error = "--system-root needs a folder";
            return std::nullopt;
        }
        std::error_code ec;
        Location root = std::filesystem::absolute(Location(*value), ec);
        if (ec)
            root = Location(*value);
        root = root.lexically_normal();
        if (!PathOps::isDirectory(root)) {
            error = "--system-root: " + root.native() + " is not a folder";
            return std::nullopt;
        }
        options.systemRoot = std::move(root);
    }
    return options;
}

} // namespace dovrel
