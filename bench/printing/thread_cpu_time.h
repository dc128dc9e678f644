#pragma once

#include <time.h>

// CPU time of the calling thread in seconds; ratios taken on it hold up on a busy machine.
inline double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
