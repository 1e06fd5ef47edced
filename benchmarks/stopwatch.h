#pragma once

#include <windows.h>

// The performance counter, for timing runs.
inline LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

inline double SecondsSince(LARGE_INTEGER start) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(Now().QuadPart - start.QuadPart) / frequency.QuadPart;
}
