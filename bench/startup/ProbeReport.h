#pragma once

// What a start-up probe reports once its window is shown and the event loop is
// idle: the time since the driver started it and the peak memory so far.

#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The peak resident set size in kB (VmHWM).
inline long long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// The processor time the process has used so far, user and system, in microseconds.
inline long long cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000LL + usage.ru_utime.tv_usec
           + usage.ru_stime.tv_usec;
}

// Prints "<nanoseconds since the driver's start> <peak kB> <processor microseconds>"
// when the event loop is next idle, then ends the process.
inline void reportWhenIdle()
{
    QTimer::singleShot(0, [] {
        const char *start = std::getenv("HALVEX_PROBE_START_NS");
        const long long elapsed = start ? monotonicNanoseconds() - std::atoll(start) : -1;
        std::printf("%lld %lld %lld\n", elapsed, peakKilobytes(), cpuMicroseconds());
        std::fflush(stdout);
        // Nothing after this point is measured; leaving at once keeps the
        // process's instruction count (under callgrind) to the start-up alone.
        std::_Exit(0);
    });
}
