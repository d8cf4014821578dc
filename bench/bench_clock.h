// What every benchmark measures with: a clock in milliseconds, and the window's messages run for
// a while or until a condition holds, with the longest that one message took.
#pragma once
#include <windows.h>

#include <algorithm>
#include <functional>

inline double Now() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The average and the worst of repeated measurements.
struct Timing {
    double total = 0;
    double longest = 0;
    int calls = 0;
    void Add(double ms) {
        total += ms;
        longest = std::max(longest, ms);
        ++calls;
    }
    double Average() const { return calls ? total / calls : 0; }
};

inline double PumpUntil(const std::function<bool()>& done, double timeoutMs) {
    double start = Now();
    double longest = 0;
    while (!done() && Now() - start < timeoutMs) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        double before = Now();
        TranslateMessage(&message);
        DispatchMessageA(&message);
        longest = std::max(longest, Now() - before);
    }
    return longest;
}

inline void Pump(double milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}
