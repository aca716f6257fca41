#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

// The process's own memory figures from /proc/self/status, in kB ("VmRSS:",
// "VmHWM:"); -1 when they cannot be read.
inline long statusKb(const char* key)
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, std::strlen(key)) == 0)
            kb = std::atol(line + std::strlen(key));
    std::fclose(f);
    return kb;
}

// Starts the peak (VmHWM) afresh from the current size; false when the kernel refused.
inline bool resetPeak()
{
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (!f)
        return false;
    const bool ok = std::fputs("5", f) >= 0;
    return std::fclose(f) == 0 && ok;
}
