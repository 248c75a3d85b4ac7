#pragma once

#include <string_view>

namespace dovrel {

// The program's standard output, with every failure noticed: a short write,
// a failed flush (a full disk, a closed pipe, a closed descriptor) or an
// error flag left on the stream. Once output failed it stays failed.
class CliOutput {
public:
    // Writes `text`; false when it (or anything before it) failed.
    static bool write(std::string_view text);

    // Pushes everything written so far to the system; false when any output
    // so far failed.
    static bool flush();

    // Says on stderr, once, that the output could not be written.
    static void reportFailure();

private:
    static void noteFailure();
};

} // namespace dovrel
