#pragma once

#include "support/FakeClock.h"
#include "link/port/SerialDevice.h"
#include "link/port/SystemErrorText.h"

#include <QStringList>

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <utility>
#include <vector>

// The far end of scripted serial ports: an instrument that answers each
// command written with the next scripted reply. Time-outs cost virtual time on
// the FakeClock: a read with nothing coming advances it by the total time-out,
// a read cut short by the gap after its last byte.
class ScriptedSerialLine {
public:
    // The device steps a test can make fail.
    enum class Step { QueueSizes, Purge, Timeouts, GetSettings, ApplySettings, Read, Write, Close };

    explicit ScriptedSerialLine(FakeClock& clock) : clock_(clock) {}

    // The reply to the next command without one; it arrives delayMs after the command.
    void script(const QByteArray& reply, int delayMs = 0) { script_.push_back({reply, delayMs}); }
    void scriptSilence(int commands = 1)
    {
        for (int i = 0; i < commands; ++i)
            script_.push_back({});
    }
    // Bytes that arrive afterMs from now, answering nothing.
    void arrive(const QByteArray& bytes, int afterMs = 0) { deliver(bytes, clock_.elapsedMs() + afterMs); }

    // A command is this many bytes written (a frame); each takes the next reply.
    int bytesPerCommand = 5;
    // Opening one of these paths fails with the code (2 missing, 5 busy).
    std::map<QString, qint32> openErrors;
    std::map<Step, qint32> failingSteps;
    quint32 lineErrorFlags = 0;

    // What the program did.
    QByteArray written;
    std::vector<QByteArray> writes;
    QStringList openedPaths;
    int reads = 0;
    int purges = 0;
    int closes = 0;
    CommTimeouts timeouts;
    SerialSettings settings;

    // Bytes that have arrived and wait to be read.
    qsizetype waitingBytes() const
    {
        return std::count_if(incoming_.begin(), incoming_.end(),
                             [&](const Arrival& a) { return a.at <= clock_.elapsedMs(); });
    }

    SerialDeviceFactory factory();

    // The device side.
    FakeClock& clock() { return clock_; }
    bool stepFails(Step step, qint32& code) const
    {
        const auto it = failingSteps.find(step);
        if (it == failingSteps.end())
            return false;
        code = it->second;
        return true;
    }
    bool claim(const QString& path, qint32& code)
    {
        openedPaths << path;
        if (const auto it = openErrors.find(path); it != openErrors.end()) {
            code = it->second;
            return false;
        }
        if (held_.count(path)) {
            code = kErrorAccessDenied;
            return false;
        }
        held_.insert(path);
        return true;
    }
    void release(const QString& path) { held_.erase(path); }

    void purge()
    {
        ++purges;
        const qint64 now = clock_.elapsedMs();
        std::erase_if(incoming_, [now](const Arrival& a) { return a.at <= now; });
    }

    qint64 read(QByteArray& data, int maxBytes)
    {
        ++reads;
        const qint64 total = qint64(timeouts.readTotalMultiplierMs) * maxBytes + timeouts.readTotalConstantMs;
        const qint64 deadline = clock_.elapsedMs() + total;
        qint64 lastByte = takeArrived(data, maxBytes) ? clock_.elapsedMs() : -1;
        while (data.size() < maxBytes) {
            qint64 limit = deadline;
            if (lastByte >= 0 && timeouts.readIntervalMs > 0)
                limit = std::min(limit, lastByte + timeouts.readIntervalMs);
            const qint64 next = nextArrival();
            if (next < 0 || next > limit) {
                advanceTo(limit);
                break;
            }
            advanceTo(next);
            takeArrived(data, maxBytes);
            lastByte = clock_.elapsedMs();
        }
        return data.size();
    }

    qint64 write(const QByteArray& data)
    {
        written += data;
        writes.push_back(data);
        for (qsizetype i = 0; i < data.size(); ++i) {
            if (++sinceCommand_ < bytesPerCommand)
                continue;
            sinceCommand_ = 0;
            if (script_.empty())
                continue;
            const Reply reply = script_.front();
            script_.pop_front();
            deliver(reply.bytes, clock_.elapsedMs() + reply.delayMs);
        }
        return data.size();
    }

private:
    struct Reply {
        QByteArray bytes;
        int delayMs = 0;
    };
    struct Arrival {
        qint64 at;
        char byte;
    };

    void deliver(const QByteArray& bytes, qint64 at)
    {
        for (const char b : bytes)
            incoming_.push_back({at, b});
        std::stable_sort(incoming_.begin(), incoming_.end(),
                         [](const Arrival& x, const Arrival& y) { return x.at < y.at; });
    }
    bool takeArrived(QByteArray& data, int maxBytes)
    {
        bool took = false;
        while (!incoming_.empty() && data.size() < maxBytes && incoming_.front().at <= clock_.elapsedMs()) {
            data += incoming_.front().byte;
            incoming_.pop_front();
            took = true;
        }
        return took;
    }
    qint64 nextArrival() const { return incoming_.empty() ? -1 : incoming_.front().at; }
    void advanceTo(qint64 t)
    {
        if (t > clock_.elapsedMs())
            clock_.advance(t - clock_.elapsedMs());
    }

    FakeClock& clock_;
    std::deque<Reply> script_;
    std::deque<Arrival> incoming_;
    std::set<QString> held_;
    int sinceCommand_ = 0;
};

// One port opened on the scripted line.
class ScriptedSerialDevice final : public SerialDevice {
public:
    explicit ScriptedSerialDevice(ScriptedSerialLine& line) : line_(line) {}
    ~ScriptedSerialDevice() override
    {
        if (open_)
            line_.release(path_);
    }

    bool open(const QString& path) override
    {
        if (!line_.claim(path, error_))
            return false;
        path_ = path;
        open_ = true;
        return true;
    }
    bool setQueueSizes(int, int) override { return step(ScriptedSerialLine::Step::QueueSizes); }
    bool purge() override
    {
        if (!step(ScriptedSerialLine::Step::Purge))
            return false;
        line_.purge();
        return true;
    }
    bool setTimeouts(const CommTimeouts& timeouts) override
    {
        if (!step(ScriptedSerialLine::Step::Timeouts))
            return false;
        line_.timeouts = timeouts;
        return true;
    }
    bool currentSettings(SerialSettings& settings) override
    {
        if (!step(ScriptedSerialLine::Step::GetSettings))
            return false;
        settings = line_.settings;
        return true;
    }
    bool applySettings(const SerialSettings& settings) override
    {
        if (!step(ScriptedSerialLine::Step::ApplySettings))
            return false;
        line_.settings = settings;
        return true;
    }
    qint64 read(QByteArray& data, int maxBytes) override
    {
        data.clear();
        return step(ScriptedSerialLine::Step::Read) ? line_.read(data, maxBytes) : -1;
    }
    qint64 write(const QByteArray& data) override
    {
        return step(ScriptedSerialLine::Step::Write) ? line_.write(data) : -1;
    }
    bool close() override
    {
        if (!step(ScriptedSerialLine::Step::Close))
            return false;
        ++line_.closes;
        line_.release(path_);
        open_ = false;
        return true;
    }
    qint32 lastErrorCode() const override { return error_; }
    quint32 takeLineErrorFlags() override { return std::exchange(line_.lineErrorFlags, 0u); }

private:
    // A step fails on a closed device, or when the test says so.
    bool step(ScriptedSerialLine::Step s)
    {
        if (!open_) {
            error_ = kErrorInvalidHandle;
            return false;
        }
        return !line_.stepFails(s, error_);
    }

    ScriptedSerialLine& line_;
    QString path_;
    bool open_ = false;
    qint32 error_ = 0;
};

inline SerialDeviceFactory ScriptedSerialLine::factory()
{
    return [this] { return std::make_unique<ScriptedSerialDevice>(*this); };
}
