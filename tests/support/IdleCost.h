#pragma once

#include <QEventLoop>
#include <QTimer>

#include <ctime>

// CPU seconds this process has used.
inline double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Lets the window's event loop run for a while of real time; the CPU seconds
// it took, so a test can tell an idle program from one that spins.
inline double idleFor(int ms)
{
    const double before = processCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return processCpuSeconds() - before;
}
