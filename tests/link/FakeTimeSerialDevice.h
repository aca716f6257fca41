#pragma once

#include "support/FakeClock.h"
#include "link/port/SerialDevice.h"

#include <algorithm>
#include <functional>
#include <memory>

// What a test knows of the far end of a device path.
struct FarEnd {
    bool answers = true;
    // Returns once the far end has taken in the bytes written to it; a far end
    // that never answers is not waited for otherwise, and the purge after an
    // empty read would drop what it has not read yet.
    std::function<void(const QByteArray&)> takeIn;
};
using FarEndLookup = std::function<FarEnd(const QString& path)>;

// A real serial device whose time-outs are paid on the FakeClock. The far end
// gets real time to answer only where it answers at all: up to
// kReplyWaitMs for the first byte after a write, kGapMs for each later poll.
// The clock then advances by what the program's own time-outs would have
// cost: the total time-out for an empty read, the gap time-out for a short one.
class FakeTimeSerialDevice final : public SerialDevice {
public:
    static constexpr int kReplyWaitMs = 2000;
    static constexpr int kGapMs = 20;

    FakeTimeSerialDevice(std::unique_ptr<SerialDevice> real, FakeClock& clock, FarEndLookup farEnds)
        : real_(std::move(real)), clock_(clock), farEnds_(std::move(farEnds)) {}

    bool open(const QString& path) override
    {
        farEnd_ = farEnds_(path);
        return real_->open(path);
    }
    bool setQueueSizes(int inBytes, int outBytes) override { return real_->setQueueSizes(inBytes, outBytes); }
    bool purge() override { return real_->purge(); }
    bool setTimeouts(const CommTimeouts& timeouts) override
    {
        programTimeouts_ = timeouts;
        return real_->setTimeouts(timeouts);
    }
    bool currentSettings(SerialSettings& settings) override { return real_->currentSettings(settings); }
    bool applySettings(const SerialSettings& settings) override { return real_->applySettings(settings); }

    qint64 read(QByteArray& data, int maxBytes) override
    {
        const int realWait = !farEnd_.answers ? 0 : (replyOwed_ ? kReplyWaitMs : kGapMs);
        replyOwed_ = false;
        CommTimeouts real = programTimeouts_;
        real.readIntervalMs = std::min(programTimeouts_.readIntervalMs, kGapMs);
        real.readTotalMultiplierMs = 0;
        real.readTotalConstantMs = realWait;
        real_->setTimeouts(real);
        const qint64 got = real_->read(data, maxBytes);
        if (got == 0)
            clock_.advance(qint64(programTimeouts_.readTotalMultiplierMs) * maxBytes
                           + programTimeouts_.readTotalConstantMs);
        else if (got > 0 && got < maxBytes)
            clock_.advance(programTimeouts_.readIntervalMs);
        return got;
    }
    qint64 write(const QByteArray& data) override
    {
        replyOwed_ = true;
        const qint64 written = real_->write(data);
        if (written > 0 && farEnd_.takeIn)
            farEnd_.takeIn(data.left(written));
        return written;
    }
    bool close() override { return real_->close(); }
    qint32 lastErrorCode() const override { return real_->lastErrorCode(); }
    quint32 takeLineErrorFlags() override { return real_->takeLineErrorFlags(); }

private:
    std::unique_ptr<SerialDevice> real_;
    FakeClock& clock_;
    FarEndLookup farEnds_;
    FarEnd farEnd_;
    CommTimeouts programTimeouts_;
    bool replyOwed_ = false;
};
