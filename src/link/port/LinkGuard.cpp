#include "link/port/LinkGuard.h"

#include <utility>

void LinkGuard::release()
{
    if (holds_ > 0)
        --holds_;
    if (holds_ > 0)
        return;
    stopRequested_ = false;
    // A waiting step may itself hold and release the link.
    std::vector<std::function<void()>> steps = std::exchange(waiting_, {});
    for (auto& step : steps)
        step();
}

void LinkGuard::whenFree(std::function<void()> step)
{
    if (!held()) {
        step();
        return;
    }
    waiting_.push_back(std::move(step));
}
