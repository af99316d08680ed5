// The processor time the calling thread has used, for tests that bound the work of a
// computation: unlike the clock on the wall, it does not grow while a loaded machine runs
// other programs.
#pragma once

#ifdef _WIN32
#include <windows.h>

inline double ThreadCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    auto ticks = [](const FILETIME& t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}
#else
#include <time.h>

inline double ThreadCpuSeconds()
{
    timespec now = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}
#endif
