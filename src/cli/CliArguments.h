#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dovrel {

// Takes options out of a command's argument list. An option's value is the
// next argument (or the text after "--flag="); a missing value, an empty one
// or one that is itself an option ("--...") is a usage error whose message
// says what the option needs ("--home needs a folder").
class CliArguments {
public:
    // Removes every `flag`; true when there was one.
    static bool takeFlag(std::vector<std::string>& args, const std::string& flag);

    // Takes "--flag VALUE" or "--flag=VALUE" (the last one given wins).
    // `needs` names the value for the message ("a folder"). Returns false
    // with `error` set when the value is missing.
    static bool takeValue(std::vector<std::string>& args, const std::string& flag, const char* needs,
                          std::optional<std::string>& value, std::string& error);

    // Takes "--flag V1 V2 ..." (values up to the next "--" option), as often
    // as the flag appears. Returns false with `error` set when one has no value
    // (or an empty one).
    static bool takeList(std::vector<std::string>& args, const std::string& flag, const char* needs,
                         std::vector<std::string>& values, std::string& error);

    static std::string missing(const std::string& flag, const char* needs) {
        return flag + " needs " + needs;
    }
};

} // namespace dovrel
