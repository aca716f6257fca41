#pragma once

#include "core/Clock.h"

#include <atomic>
#include <functional>

// Virtual time: a sleep advances it at once. A hook may run at each sleep or
// event pump, so a test can change the world while the code under test waits.
// The simulated instrument's thread may read the time while the test runs.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)))
        : start_(std::move(start)) {}

    QDateTime now() const override { return start_.addMSecs(elapsed_); }
    qint64 elapsedMs() const override { return elapsed_; }
    void sleepMs(int ms) override
    {
        if (ms > 0)
            elapsed_ += ms;
        ++sleeps_;
        if (onTick)
            onTick();
    }
    void processEvents() override
    {
        ++pumps_;
        if (onTick)
            onTick();
    }

    void advance(qint64 ms) { elapsed_ += ms; }
    int sleepCount() const { return sleeps_; }
    int pumpCount() const { return pumps_; }

    std::function<void()> onTick;

private:
    QDateTime start_;
    std::atomic<qint64> elapsed_ = 0;
    int sleeps_ = 0;
    int pumps_ = 0;
};
