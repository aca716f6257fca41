#pragma once

#include "lib/CommandRegistry.h"
#include "lib/Fault.h"
#include "lib/FrameParser.h"
#include "lib/InstrumentState.h"
#include "lib/PseudoTerminal.h"
#include "lib/SimCommand.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The instrument behind a pseudo-terminal: a thread reads what the program
// sends, finds the framed commands and answers each through the handler of its
// letter. Tests and the run script start it, point ports/COM<n> at its device,
// and may make it misbehave or pace its output to a baud rate.
class SimulatedInstrument {
public:
    SimulatedInstrument();
    ~SimulatedInstrument();
    SimulatedInstrument(const SimulatedInstrument&) = delete;
    SimulatedInstrument& operator=(const SimulatedInstrument&) = delete;

    bool isReady() const { return pty_.isOpen() && wakeRead_ >= 0; }
    const QString& devicePath() const { return pty_.devicePath(); }
    bool linkAs(const QString& linkPath) const { return pty_.linkAs(linkPath); }

    // Handlers may be added or replaced before start().
    CommandRegistry& registry() { return registry_; }

    void start();
    // Stops the thread; also done by the destructor.
    void stop();
    // Drops the line now, as an instrument unplugged or switched off while
    // nothing is exchanged (or the simulator ending). It stays down.
    void hangUp();

    InstrumentState state() const;
    void updateState(const std::function<void(InstrumentState&)>& change);
    void setSerialNumber(int serialNumber);

    void setFault(const Fault& fault);
    // Bytes go out at baudRate / 10 per second; 0 sends at once.
    void setPacing(int baudRate);

    int commandCount(char letter) const;
    int totalCommandCount() const;
    int rejectedFrameCount() const;
    std::vector<SimCommand> receivedCommands() const;
    void resetCounts();
    // Waits (really) until `total` commands have come in; false on time-out.
    bool waitForCommandCount(int total, int timeoutMs) const;

private:
    using SteadyTime = std::chrono::steady_clock::time_point;

    void run();
    void handle(const SimCommand& command);
    bool sendPaced(const QByteArray& reply);
    bool writeAll(const char* data, size_t size);
    // Waits until `until`; false when stopped meanwhile.
    bool waitUntil(SteadyTime until) const;
    bool stopRequested() const;

    PseudoTerminal pty_;
    CommandRegistry registry_;
    FrameParser parser_;
    std::thread thread_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;

    mutable std::mutex mutex_;
    mutable std::condition_variable received_;
    InstrumentState state_;
    Fault fault_;
    int pacingBaud_ = 0;
    std::map<quint8, int> counts_;
    std::vector<SimCommand> log_;
    int rejected_ = 0;

    // Thread-only: the command waiting for its repetition, and whether the line was dropped.
    std::optional<SimCommand> unanswered_;
    bool hungUp_ = false;
};
