#include "cli/CliOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace dovrel {

namespace {

bool failed = false;
int failure = 0;
bool reported = false;

} // namespace

void CliOutput::noteFailure() {
    if (!failed) {
        failed = true;
        failure = errno;
    }
}

bool CliOutput::write(std::string_view text) {
    errno = 0;
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        noteFailure();
    return !failed;
}

bool CliOutput::flush() {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        noteFailure();
    return !failed;
}

void CliOutput::reportFailure() {
    if (reported)
        return;
    reported = true;
    std::fprintf(stderr, "dovrel-cleaner-cli: cannot write the output: %s\n",
                 failure ? std::strerror(failure) : "write error");
}

} // namespace dovrel
