#pragma once

namespace dovrel {

// Whether the calling thread waits on the disk while it reads folders: the
// kernel counts each time a thread gives up the processor to wait
// (a voluntary context switch), which a read served from memory never does.
// Every kEvery-th read is watched (two getrusage calls); when at least half of
// the last kWindow watched reads waited, the thread is waiting on I/O.
//
//   probe.begin(); read a folder; if (probe.end()) ask for more in flight
//
// One probe per thread; no state is shared.
class IoWaitProbe {
public:
    static constexpr int kEvery = 4;
    static constexpr int kWindow = 4;

    void begin();
    // True when the watched reads of the last window mostly waited (the
    // window then starts again).
    bool end();

private:
    static long voluntarySwitches();

    int reads_ = 0;
    long before_ = -1;
    int watched_ = 0;
    int waited_ = 0;
};

} // namespace dovrel
