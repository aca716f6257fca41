#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

// The instrument's own clock: what the stage's temperature follows. Real
// time by default; a test hands in its virtual clock so the stage warms and
// cools as that clock is advanced, with no real waiting.
class SimTimeSource {
public:
    using Time = std::chrono::steady_clock::time_point;

    virtual ~SimTimeSource() = default;
    // Called from the instrument's thread.
    virtual Time now() const = 0;
};

// The steady clock.
class SteadyTimeSource final : public SimTimeSource {
public:
    Time now() const override { return std::chrono::steady_clock::now(); }
};

// Time as a count of milliseconds from a start, e.g. a test's virtual clock;
// `elapsedMs` must be safe to call from another thread.
class ElapsedTimeSource final : public SimTimeSource {
public:
    explicit ElapsedTimeSource(std::function<std::int64_t()> elapsedMs) : elapsedMs_(std::move(elapsedMs)) {}
    Time now() const override { return Time{} + std::chrono::milliseconds(elapsedMs_()); }

private:
    std::function<std::int64_t()> elapsedMs_;
};
