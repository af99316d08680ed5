// Wall-clock timing and memory figures for the hand-run benchmark programs.
#pragma once

#include <windows.h>
#include <psapi.h>

// Seconds since construction, from the performance counter.
class CStopwatch {
public:
    CStopwatch() { ::QueryPerformanceCounter(&m_start); }
    double Seconds() const
    {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - m_start.QuadPart) / double(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};

// The process's memory counters; all zero when the system cannot report them.
inline PROCESS_MEMORY_COUNTERS ProcessMemoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        return PROCESS_MEMORY_COUNTERS{};
    return counters;
}
