#include "fs/IoWaitProbe.h"

#include <sys/resource.h>

namespace dovrel {

long IoWaitProbe::voluntarySwitches() {
    struct rusage usage {};
    if (getrusage(RUSAGE_THREAD, &usage) != 0)
        return -1;
    return usage.ru_nvcsw;
}

void IoWaitProbe::begin() {
    before_ = (reads_++ % kEvery == 0) ? voluntarySwitches() : -1;
}

bool IoWaitProbe::end() {
    if (before_ < 0)
        return false;
    const long after = voluntarySwitches();
    if (after > before_)
        ++waited_;
    if (++watched_ < kWindow)
        return false;
    const bool waiting = waited_ * 2 >= watched_;
    watched_ = waited_ = 0;
    return waiting;
}

} // namespace dovrel
