#pragma once

// Holds a shared busy flag for as long as it lives, when the flag was free.
// Work that must not overlap (a flash transfer, a mask upload) takes one and
// does nothing when it does not own it.
class BusyScope {
public:
    explicit BusyScope(bool& flag)
        : flag_(flag)
        , owned_(!flag)
    {
        flag_ = true;
    }
    ~BusyScope()
    {
        if (owned_)
            flag_ = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    bool owned() const { return owned_; }

private:
    bool& flag_;
    bool owned_;
};
