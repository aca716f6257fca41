#pragma once

#include <functional>
#include <vector>

// Keeps exchanges with the instrument from overlapping. An exchange (or a
// transfer of many) holds the link; the senders let window events run in the
// middle of one, and anything those events would send is refused meanwhile.
// Code the holder runs itself, outside those events, may nest freely.
class LinkGuard {
public:
    bool held() const { return holds_ > 0; }
    // True while window events run inside a held exchange: a new exchange now
    // would put its bytes between the holder's.
    bool busy() const { return held() && events_ > 0; }

    void hold() { ++holds_; }
    // The last release ends the transfer: a stop asked for is forgotten and
    // whatever waited for the link runs.
    void release();

    void enterEvents() { ++events_; }
    void leaveEvents() { --events_; }

    // Asked by whoever must close the port under a running transfer; the
    // transfer looks between blocks and ends there.
    void requestStop() { stopRequested_ = true; }
    bool stopRequested() const { return stopRequested_; }

    // Runs `step` once the link is free: at once when nothing holds it.
    void whenFree(std::function<void()> step);

private:
    int holds_ = 0;
    int events_ = 0;
    bool stopRequested_ = false;
    std::vector<std::function<void()>> waiting_;
};
